#include "ReceiverFixture.h"
#include "SheetBytes.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTimer>

using namespace sheettest;

class ReceiverTable : public ReceiverFixture, public testing::WithParamInterface<Case> {};

TEST_P(ReceiverTable, SheetOverTcpIsAppliedAsDecoded) {
    const Case& c = GetParam();
    Listen();
    TProtocol protocol;
    FillOldTest(protocol);
    SheetApplyResult result = SheetApplyResult::Ignored;
    QObject::connect(&receiver, &TSheetReceiver::sheetReceived,
                     [&](const TReceivedSheet& s) { result = ApplySheet(protocol, s.Sheet); });
    SendAndClose(c.sheet.Bytes());
    ASSERT_EQ(sheets.size(), 1u) << AllLines();
    EXPECT_EQ(sheets[0].Bytes, ToBytes(c.sheet.Bytes()));
    ExpectOutcome(protocol, result, c.expected);

    const bool identifierOk = c.expected.result != SheetApplyResult::Ignored;
    const bool applied = c.expected.result == SheetApplyResult::Applied;
    EXPECT_EQ(CountLines(" Wklejono dane do tabeli"), applied ? 1 : 0) << AllLines();
    EXPECT_EQ(CountLines(" Wystąpił błąd!"), identifierOk && !applied ? 1 : 0) << AllLines();
}

INSTANTIATE_TEST_SUITE_P(Sheets, ReceiverTable, testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReceiverFixture, LogsEveryStepWithATimeStamp) {
    Listen();
    SheetBuilder s;
    SendAndClose(s.Bytes());
    receiver.close();
    const QString stamp = R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d )";
    const QStringList expected = {
        stamp + "Tryb odbiorcy uruchomiony$",
        stamp + "Połączenie z urządzeniem: 127\\.0\\.0\\.1$",
        stamp + "Otrzymanie danych od urządzenia: 127\\.0\\.0\\.1 \\{\\.\\.\\.\\}$",
        stamp + "Wklejono dane do tabeli$",
        stamp + "Rozłączenie z urządzeniem: 127\\.0\\.0\\.1$",
        stamp + "Tryb odbiorcy wyłączony\\.$",
    };
    // Data may arrive in several pieces, each with its own line.
    QStringList distinct;
    for (const QString& line : lines)
        if (distinct.isEmpty() || line.mid(20) != distinct.last().mid(20))
            distinct.push_back(line);
    ASSERT_EQ(distinct.size(), expected.size()) << AllLines();
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(QRegularExpression(expected[i]).match(distinct[i]).hasMatch())
            << distinct[i].toStdString();
    EXPECT_FALSE(receiver.isListening());
}

TEST_F(ReceiverFixture, ConnectionWithoutDataLogsOnlyConnectAndDisconnect) {
    Listen();
    SendAndClose("");
    EXPECT_TRUE(sheets.empty());
    EXPECT_EQ(lines.size(), 3) << AllLines(); // listening, connected, disconnected
}

TEST_F(ReceiverFixture, InterleavedSendersKeepTheirOwnSheets) {
    Listen();
    SheetBuilder first, second;
    first.number = "A-1";
    first.records = {{0.1, 1, -1}, {0.2, 2, -1}};
    second.number = "B-2";
    second.records = {{0.5, 9, 3.5}};
    const std::string a = first.Bytes(), b = second.Bytes();
    auto clientA = Connect();
    auto clientB = Connect();
    clientA->write(ToBytes(a.substr(0, 30)));
    WaitForData();
    clientB->write(ToBytes(b.substr(0, 50)));
    WaitForData();
    clientA->write(ToBytes(a.substr(30)));
    WaitForData();
    clientB->write(ToBytes(b.substr(50)));
    WaitForData();

    clientB->disconnectFromHost();
    ASSERT_TRUE(
        WaitUntil(&receiver, &TSheetReceiver::sheetReceived, [&] { return sheets.size() == 1; }));
    clientA->disconnectFromHost();
    ASSERT_TRUE(
        WaitUntil(&receiver, &TSheetReceiver::sheetReceived, [&] { return sheets.size() == 2; }));

    // In the order the connections ended, each one intact.
    EXPECT_EQ(sheets[0].Bytes, ToBytes(b));
    EXPECT_EQ(sheets[1].Bytes, ToBytes(a));
    EXPECT_TRUE(sheets[0].Sheet.EndMarkerOk);
    EXPECT_TRUE(sheets[1].Sheet.EndMarkerOk);
    EXPECT_EQ(sheets[0].Sheet.Header.TestNumber, "B-2");
    EXPECT_EQ(sheets[1].Sheet.Header.TestNumber, "A-1");
    EXPECT_EQ(CountLines(" Wklejono dane do tabeli"), 2);
}

TEST_F(ReceiverFixture, OversizedSenderIsDroppedAndNothingApplied) {
    Listen();
    auto client = Connect();
    std::string bytes = SheetBuilder().Bytes();
    bytes.resize(static_cast<size_t>(MaxSheetBytes) + 1, '\0');
    QSignalSpy closed(client.get(), &QTcpSocket::disconnected);
    client->write(ToBytes(bytes));
    ASSERT_TRUE(closed.wait(20000)) << AllLines();
    EXPECT_TRUE(sheets.empty());
    EXPECT_EQ(CountLines(QString::fromStdString(
                  ReceiverLogText(ReceiverEvent::SheetTooLarge, "127.0.0.1"))),
              1)
        << AllLines();
    EXPECT_EQ(CountLines("Wklejono"), 0);
    EXPECT_EQ(receiver.connectionCount(), 0);
}

TEST_F(ReceiverFixture, SilentSenderGetsIdleSignalsFromHalfASecond) {
    Listen();
    QElapsedTimer sinceConnect;
    sinceConnect.start();
    auto client = Connect();
    QByteArray received;
    qint64 firstAtMs = -1;
    QObject::connect(client.get(), &QTcpSocket::readyRead, [&] {
        if (firstAtMs < 0)
            firstAtMs = sinceConnect.elapsed();
        received += client->readAll();
    });
    ASSERT_TRUE(WaitUntil(client.get(), &QTcpSocket::readyRead, [&] { return firstAtMs >= 0; }));
    EXPECT_GE(firstAtMs, 450);
    EXPECT_LE(firstAtMs, 1500);
    // Then one "A" every 100 ms.
    const qsizetype before = received.size();
    QTest::qWait(600);
    EXPECT_GE(received.size() - before, 3) << received.toStdString();
    EXPECT_EQ(received.count('A'), received.size()) << received.toStdString();
}

TEST_F(ReceiverFixture, NoIdleSignalWhileTheSenderKeepsWriting) {
    Listen();
    auto client = Connect();
    QByteArray received;
    QObject::connect(client.get(), &QTcpSocket::readyRead, [&] { received += client->readAll(); });
    QTimer writer;
    writer.setInterval(150);
    QObject::connect(&writer, &QTimer::timeout, [&] { client->write("x", 1); });
    writer.start();
    QTest::qWait(1000);
    writer.stop();
    EXPECT_TRUE(received.isEmpty()) << received.toStdString();
}

TEST_F(ReceiverFixture, ConnectionQuietTooLongIsClosedUnapplied) {
    TSheetReceiver::Limits limits;
    limits.silenceTimeoutMs = 800;
    receiver.setLimits(limits);
    Listen();
    auto client = Connect();
    QSignalSpy closed(client.get(), &QTcpSocket::disconnected);
    client->write(ToBytes(SheetBuilder().Bytes())); // a whole sheet, but never closed
    ASSERT_TRUE(closed.wait(5000));
    EXPECT_TRUE(sheets.empty());
    EXPECT_EQ(CountLines("Brak danych od urządzenia"), 1) << AllLines();
}

TEST_F(ReceiverFixture, ConnectionsBeyondTheLimitAreRefused) {
    TSheetReceiver::Limits limits;
    limits.maxConnections = 2;
    receiver.setLimits(limits);
    Listen();
    auto one = Connect();
    auto two = Connect();
    auto three = std::make_unique<QTcpSocket>();
    QSignalSpy refused(three.get(), &QTcpSocket::disconnected);
    three->connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(refused.wait(5000));
    EXPECT_EQ(CountLines("Zbyt wiele połączeń"), 1) << AllLines();
    EXPECT_EQ(receiver.connectionCount(), 2);

    one->write(ToBytes(SheetBuilder().Bytes()));
    one->disconnectFromHost();
    ASSERT_TRUE(
        WaitUntil(&receiver, &TSheetReceiver::sheetReceived, [&] { return sheets.size() == 1; }));
    EXPECT_TRUE(sheets[0].Sheet.EndMarkerOk);
}

TEST_F(ReceiverFixture, BusyPortIsReportedNotFatal) {
    Listen();
    TSheetReceiver second;
    QStringList secondLines;
    QObject::connect(&second, &TSheetReceiver::logLine,
                     [&](const QString& l) { secondLines.push_back(l); });
    EXPECT_FALSE(second.listen(port, QHostAddress::LocalHost));
    EXPECT_FALSE(second.isListening());
    ASSERT_EQ(secondLines.size(), 1);
    EXPECT_TRUE(secondLines[0].contains(" Wystąpił błąd: ")) << secondLines[0].toStdString();
}
