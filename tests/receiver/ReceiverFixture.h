#pragma once

// A receiver on 127.0.0.1 with an ephemeral port, the sheets and log lines it
// produced, and clients that talk to it through real sockets.

#include "receiver/SheetReceiver.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Runs the event loop until cond holds, waking on each emission of signal;
// false after timeoutMs.
template <typename Object, typename Signal>
bool WaitUntil(Object* object, Signal signal, const std::function<bool()>& cond,
               int timeoutMs = 5000) {
    QSignalSpy spy(object, signal);
    QDeadlineTimer deadline(timeoutMs);
    while (!cond()) {
        if (deadline.hasExpired())
            return false;
        spy.wait(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    }
    return true;
}

inline QByteArray ToBytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

class ReceiverFixture : public testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&receiver, &TSheetReceiver::sheetReceived,
                         [this](const TReceivedSheet& s) { sheets.push_back(s); });
        QObject::connect(&receiver, &TSheetReceiver::logLine,
                         [this](const QString& line) { lines.push_back(line); });
    }

    void Listen() {
        ASSERT_TRUE(receiver.listen(0, QHostAddress::LocalHost))
            << receiver.errorString().toStdString();
        port = receiver.serverPort();
    }

    // A connected client; the receiver has accepted it when this returns.
    std::unique_ptr<QTcpSocket> Connect() {
        auto client = std::make_unique<QTcpSocket>();
        const int before = CountLines("Połączenie z urządzeniem");
        client->connectToHost(QHostAddress::LocalHost, port);
        EXPECT_TRUE(WaitUntil(&receiver, &TSheetReceiver::logLine, [&] {
            return CountLines("Połączenie z urządzeniem") > before;
        })) << "the receiver never accepted";
        return client;
    }

    // Sends the bytes on a new connection and closes it; returns when the
    // receiver has logged the disconnect.
    void SendAndClose(const std::string& bytes) {
        auto client = Connect();
        const int before = CountLines("Rozłączenie z urządzeniem");
        client->write(ToBytes(bytes));
        client->disconnectFromHost();
        ASSERT_TRUE(WaitUntil(&receiver, &TSheetReceiver::logLine, [&] {
            return CountLines("Rozłączenie z urządzeniem") > before;
        })) << "the receiver never saw the disconnect";
    }

    // Waits until the receiver has read something more from a client.
    void WaitForData() {
        const int before = CountLines("Otrzymanie danych od urządzenia");
        ASSERT_TRUE(WaitUntil(&receiver, &TSheetReceiver::logLine, [&] {
            return CountLines("Otrzymanie danych od urządzenia") > before;
        }));
    }

    int CountLines(const QString& part) const {
        int n = 0;
        for (const QString& l : lines)
            n += l.contains(part) ? 1 : 0;
        return n;
    }

    std::string AllLines() const { return lines.join('\n').toStdString(); }

    TSheetReceiver receiver;
    quint16 port = 0;
    std::vector<TReceivedSheet> sheets;
    QStringList lines;
};
