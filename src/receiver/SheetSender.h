#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

// What became of one sheet sent.
struct TSendResult {
    bool ok = false;
    qint64 bytesSent = 0;          // bytes the connection accepted
    bool idleSeen = false;         // the receiver sent its idle signal "A"
    bool closedByReceiver = false; // the receiver closed the connection first: it refused the sheet
    QString error;                 // why it failed, in the socket layer's words
};
Q_DECLARE_METATYPE(TSendResult)

// Sends one sheet the way the field application does, without blocking the
// event loop: connect, write every byte, wait until the receiver signals idle
// ("A": it has read everything and heard nothing for half a second) or closes
// the connection, then close. The receiver decodes when the connection closes.
// Only a sheet confirmed by the idle signal counts as sent (ok); a receiver
// closing first has refused it.
class TSheetSender : public QObject {
    Q_OBJECT
public:
    explicit TSheetSender(QObject* parent = nullptr);

    // Starts sending; finished() follows exactly once, at the latest after
    // timeoutMs. One sheet at a time: false while a send is still running.
    bool send(const QString& host, quint16 port, const QByteArray& sheet, int timeoutMs = 10000);
    bool isBusy() const { return socket_ != nullptr; }

signals:
    void finished(const TSendResult& result);

private:
    void onBytesWritten(qint64 n);
    void onReadyRead();
    void onDisconnected();
    void onError();
    void closed();
    void finish(bool ok, const QString& error = {});

    QTcpSocket* socket_ = nullptr;
    QTimer* timeout_ = nullptr;
    qint64 total_ = 0;
    bool closing_ = false; // we asked to close after the idle signal
    TSendResult result_;
};

// Sends one sheet and returns when it is done, running a local event loop
// meanwhile (the command-line tool's way; needs a QCoreApplication).
TSendResult SendSheet(const QString& host, quint16 port, const QByteArray& sheet,
                      int timeoutMs = 10000);
