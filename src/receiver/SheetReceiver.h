#pragma once

#include "receiver/ReceiverLog.h"
#include "receiver/SheetDecoder.h"
#include "receiver/SheetFormat.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QTcpServer;
class QTcpSocket;
class QTimer;

// One sheet as it arrived on one connection, decoded but not applied.
struct TReceivedSheet {
    QByteArray Bytes;
    TDecodedSheet Sheet;
    QString Peer; // the sender's address
};
Q_DECLARE_METATYPE(TReceivedSheet)

// The TCP receiver of sheets from the field application. Non-blocking, on the
// thread that owns it; no widgets, so the window and the command-line tool
// use the same object and differ only in what they connect to its signals.
//
// Each connection has its own buffer; when a sender closes its connection the
// buffer is decoded and sheetReceived is emitted (in the order the
// connections end), then the applied or error line is logged. The receiver
// applies nothing itself: a handler calls ApplySheet on the test it chooses.
//
// While a connection is open a 100 ms timer runs: a connection quiet for more
// than 0.5 s gets the idle signal "A" on every tick, so the sender knows all
// its bytes arrived; one quiet for 60 s is closed without applying anything.
// A sheet longer than 16 MiB, or a 17th simultaneous connection, is refused
// with a log line, and nothing of it is applied.
class TSheetReceiver : public QObject {
    Q_OBJECT
public:
    struct Limits {
        qint64 maxSheetBytes = MaxSheetBytes;
        int maxConnections = 16;
        int idleIntervalMs = 100;     // period of the idle-signal timer
        int idleAfterMs = 500;        // quiet time before the idle signal is sent
        int silenceTimeoutMs = 60000; // quiet time after which a connection is closed
    };

    explicit TSheetReceiver(QObject* parent = nullptr);
    ~TSheetReceiver() override;

    // Starts listening (port 0: any free port, see serverPort). False when the
    // port cannot be opened; errorString says why and a log line is written.
    bool listen(quint16 port = DefaultReceiverPort,
                const QHostAddress& bindAddress = QHostAddress::Any);
    // Stops listening; connections still open are dropped without applying.
    void close();

    bool isListening() const;
    quint16 serverPort() const;
    QString errorString() const;
    int connectionCount() const { return static_cast<int>(connections_.size()); }

    // Meant for tests and special set-ups; takes effect for new ticks.
    void setLimits(const Limits& limits);
    const Limits& limits() const { return limits_; }

signals:
    void listeningChanged(bool listening);
    // A complete log line: time stamp and text.
    void logLine(const QString& line);
    void connectionCountChanged(int count);
    // A sender closed its connection after sending at least one byte. Look at
    // sheet.Sheet.IdentifierOk and EndMarkerOk before applying.
    void sheetReceived(const TReceivedSheet& sheet);
    // The idle signal "A" was written to a connection.
    void idleSignalSent(const QString& peer);

private:
    struct Connection {
        QTcpSocket* socket = nullptr;
        QString peer;
        QByteArray buffer;
        QElapsedTimer lastActivity;
    };

    void acceptConnections();
    void readFrom(QTcpSocket* socket);
    void finishConnection(QTcpSocket* socket);
    void reportSocketError(QTcpSocket* socket, int code);
    void idleTick();
    // Closes a connection at once, applying nothing; logs event first.
    void dropConnection(QTcpSocket* socket, ReceiverEvent event);
    void forget(QTcpSocket* socket);
    Connection* find(QTcpSocket* socket);
    void log(ReceiverEvent event, const QString& detail = {});
    void updateTimer();

    Limits limits_;
    QTcpServer* server_ = nullptr;
    QTimer* idleTimer_ = nullptr;
    std::vector<std::unique_ptr<Connection>> connections_; // in the order they connected
};

// The sender's address as the log shows it (an IPv4 address reached through
// an IPv6 socket is shown as plain IPv4).
QString PeerText(const QHostAddress& address);
