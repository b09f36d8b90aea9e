#include "receiver/ReceiverLog.h"

#include "i18n/Translate.h"

#include <cstdio>

namespace {

// line = " " + key (translated or not) + beforeDetail + detail + afterDetail
struct LogText {
    ReceiverEvent event;
    bool translated;
    const char* key;
    const char* beforeDetail;
    const char* afterDetail;
};

// clang-format off
constexpr LogText kTexts[] = {
    {ReceiverEvent::ListeningStarted,   true,  "Tryb odbiorcy uruchomiony",       "",   ""},
    {ReceiverEvent::ListeningStopped,   true,  "Tryb odbiorcy wyłączony",         ".",  ""},
    {ReceiverEvent::ClientConnected,    false, "Połączenie z urządzeniem",        ": ", ""},
    {ReceiverEvent::DataArrived,        true,  "Otrzymanie danych od urządzenia", ": ", " {...}"},
    {ReceiverEvent::SheetApplied,       false, "Wklejono dane do tabeli",         "",   ""},
    {ReceiverEvent::EndMarkerWrong,     false, "Wystąpił błąd!",                  "",   ""},
    {ReceiverEvent::ClientDisconnected, false, "Rozłączenie z urządzeniem",       ": ", ""},
    {ReceiverEvent::SocketError,        true,  "Wystąpił błąd",                   ": ", ""},
    {ReceiverEvent::SheetTooLarge,      true,  "Arkusz przekracza dopuszczalny rozmiar, połączenie zerwane", ": ", ""},
    {ReceiverEvent::TooManyConnections, true,  "Zbyt wiele połączeń, odrzucono urządzenie", ": ", ""},
    {ReceiverEvent::ConnectionSilent,   true,  "Brak danych od urządzenia, połączenie zamknięte", ": ", ""},
};
// clang-format on

} // namespace

std::string ReceiverLogText(ReceiverEvent event, std::string_view detail) {
    for (const LogText& t : kTexts) {
        if (t.event != event)
            continue;
        std::string text = " ";
        text += t.translated ? Translate(t.key) : std::string(t.key);
        text += t.beforeDetail;
        text += detail;
        text += t.afterDetail;
        return text;
    }
    return {};
}

std::string ReceiverTimeStamp(DateTime moment) {
    // The seconds are cut, not rounded, as a clock shows them.
    const CalendarDateTime p = DecodeDateTime(moment);
    char text[48];
    std::snprintf(text, sizeof text, "%02d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    return text;
}

std::string ReceiverLogLine(DateTime moment, ReceiverEvent event, std::string_view detail) {
    return ReceiverTimeStamp(moment) + ReceiverLogText(event, detail);
}
