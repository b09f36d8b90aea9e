#include "receiver/ReceiverLog.h"

#include <gtest/gtest.h>

TEST(ReceiverLog, TextsAfterTheTimeStamp) {
    struct Row {
        ReceiverEvent event;
        const char* detail;
        const char* text;
    };
    const Row rows[] = {
        {ReceiverEvent::ListeningStarted, "", " Tryb odbiorcy uruchomiony"},
        {ReceiverEvent::ListeningStopped, "", " Tryb odbiorcy wyłączony."},
        {ReceiverEvent::ClientConnected, "192.168.1.20", " Połączenie z urządzeniem: 192.168.1.20"},
        {ReceiverEvent::DataArrived, "192.168.1.20",
         " Otrzymanie danych od urządzenia: 192.168.1.20 {...}"},
        {ReceiverEvent::SheetApplied, "", " Wklejono dane do tabeli"},
        {ReceiverEvent::EndMarkerWrong, "", " Wystąpił błąd!"},
        {ReceiverEvent::ClientDisconnected, "10.0.0.5", " Rozłączenie z urządzeniem: 10.0.0.5"},
        {ReceiverEvent::SocketError, "7", " Wystąpił błąd: 7"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ReceiverLogText(r.event, r.detail), r.text);
}

TEST(ReceiverLog, LimitTextsNameTheDevice) {
    for (ReceiverEvent e : {ReceiverEvent::SheetTooLarge, ReceiverEvent::TooManyConnections,
                            ReceiverEvent::ConnectionSilent}) {
        const std::string text = ReceiverLogText(e, "10.0.0.5");
        EXPECT_EQ(text.front(), ' ');
        EXPECT_NE(text.find(": 10.0.0.5"), std::string::npos) << text;
    }
}

TEST(ReceiverLog, LineStartsWithDateAndTime) {
    const DateTime moment = *EncodeDateTime({2024, 5, 7, 9, 3, 4, 999});
    EXPECT_EQ(ReceiverLogLine(moment, ReceiverEvent::SheetApplied),
              "2024-05-07 09:03:04 Wklejono dane do tabeli");
}
