#include "ReceiverFixture.h"
#include "SheetBytes.h"

#include "receiver/SheetSender.h"

#include <QTcpServer>

using namespace sheettest;

TEST_F(ReceiverFixture, SentTestArrivesFieldByField) {
    Listen();
    TProtocol sent;
    sent.AddReading(0.1, 2, NoValue);
    sent.AddReading(0.2, 4, 15.5);
    sent.AddReading(0.3, -1, 9.0);
    sent.TestSite = "Łódź";
    sent.SiteDescription = "Wykop";
    sent.TestNumber = "SD-3";
    sent.OrderNumber = "12/2024";
    sent.GpsB = 51.75;
    sent.GpsL = 19.45;
    sent.GpsH = NoValue;
    sent.TestDate = At(2024, 6, 1, 14, 5, 30);
    const QByteArray bytes = ToBytes(EncodeSheet(sent));

    TProtocol received;
    QObject::connect(&receiver, &TSheetReceiver::sheetReceived,
                     [&](const TReceivedSheet& s) { ApplySheet(received, s.Sheet); });
    const TSendResult result = SendSheet("127.0.0.1", port, bytes);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.bytesSent, bytes.size());
    EXPECT_TRUE(result.idleSeen);
    ASSERT_TRUE(
        WaitUntil(&receiver, &TSheetReceiver::sheetReceived, [&] { return sheets.size() == 1; }));

    ASSERT_EQ(received.Measures.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(received.Measures.Get(i)->Depth, sent.Measures.Get(i)->Depth);
        EXPECT_EQ(received.Measures.Get(i)->N, sent.Measures.Get(i)->N);
        EXPECT_EQ(received.Measures.Get(i)->Torque, sent.Measures.Get(i)->Torque);
    }
    EXPECT_EQ(received.TestSite, sent.TestSite);
    EXPECT_EQ(received.SiteDescription, sent.SiteDescription);
    EXPECT_EQ(received.TestNumber, sent.TestNumber);
    EXPECT_EQ(received.OrderNumber, sent.OrderNumber);
    EXPECT_EQ(received.GpsB, sent.GpsB);
    EXPECT_EQ(received.GpsL, sent.GpsL);
    EXPECT_EQ(received.GpsH, sent.GpsH);
    EXPECT_EQ(received.TestDate, sent.TestDate);
}

TEST(SheetSender, NobodyListeningIsAnError) {
    QTcpServer probe; // find a free port, then free it again
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    const TSendResult result = SendSheet("127.0.0.1", port, "abc", 3000);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(result.bytesSent, 0);
}

TEST_F(ReceiverFixture, SenderLearnsItsSheetWasRefused) {
    TSheetReceiver::Limits limits;
    limits.maxSheetBytes = 1000;
    receiver.setLimits(limits);
    Listen();
    QByteArray bytes(200000, 'x');
    const TSendResult result = SendSheet("127.0.0.1", port, bytes, 5000);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.closedByReceiver);
    EXPECT_FALSE(result.idleSeen);
    EXPECT_TRUE(sheets.empty());
}
