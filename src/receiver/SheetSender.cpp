#include "receiver/SheetSender.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

TSheetSender::TSheetSender(QObject* parent) : QObject(parent), timeout_(new QTimer(this)) {
    qRegisterMetaType<TSendResult>();
    timeout_->setSingleShot(true);
    connect(timeout_, &QTimer::timeout, this,
            [this] { finish(false, QStringLiteral("no answer from the receiver in time")); });
}

bool TSheetSender::send(const QString& host, quint16 port, const QByteArray& sheet, int timeoutMs) {
    if (socket_)
        return false;
    result_ = TSendResult{};
    total_ = sheet.size();
    closing_ = false;
    socket_ = new QTcpSocket(this);
    QTcpSocket* socket = socket_;
    connect(socket, &QTcpSocket::connected, this, [socket, sheet] { socket->write(sheet); });
    connect(socket, &QTcpSocket::bytesWritten, this, &TSheetSender::onBytesWritten);
    connect(socket, &QTcpSocket::readyRead, this, &TSheetSender::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &TSheetSender::onDisconnected);
    connect(socket, &QTcpSocket::errorOccurred, this, &TSheetSender::onError);
    timeout_->start(timeoutMs);
    socket->connectToHost(host, port);
    return true;
}

void TSheetSender::onBytesWritten(qint64 n) {
    result_.bytesSent += n;
}

void TSheetSender::onReadyRead() {
    if (!socket_)
        return;
    const QByteArray answer = socket_->readAll();
    // An idle signal before our last byte left only means the receiver waited
    // on the network; it keeps signalling, so wait for the next one.
    if (answer.contains('A') && result_.bytesSent == total_ && !closing_) {
        result_.idleSeen = true;
        closing_ = true;
        socket_->disconnectFromHost();
    }
}

void TSheetSender::onDisconnected() {
    closed();
}

void TSheetSender::onError() {
    if (!socket_)
        return;
    // The receiver closing (or resetting) the connection shows up as an error.
    if (socket_->error() == QAbstractSocket::RemoteHostClosedError) {
        closed();
        return;
    }
    finish(false, socket_->errorString());
}

void TSheetSender::closed() {
    if (!socket_)
        return;
    if (closing_) {
        finish(true);
        return;
    }
    // Our receiver never closes a connection that is still sending or waiting:
    // closing first means it refused the sheet (too large, too many senders,
    // silent too long), whether or not all bytes had left this machine.
    result_.closedByReceiver = true;
    finish(
        false,
        result_.bytesSent == total_
            ? QStringLiteral("the receiver closed the connection without confirming the sheet")
            : QStringLiteral("the receiver closed the connection before the whole sheet was sent"));
}

void TSheetSender::finish(bool ok, const QString& error) {
    if (!socket_)
        return;
    timeout_->stop();
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    result_.ok = ok;
    result_.error = error;
    emit finished(result_);
}

TSendResult SendSheet(const QString& host, quint16 port, const QByteArray& sheet, int timeoutMs) {
    TSheetSender sender;
    QEventLoop loop;
    TSendResult result;
    bool done = false;
    QObject::connect(&sender, &TSheetSender::finished, &loop, [&](const TSendResult& r) {
        result = r;
        done = true;
        loop.quit();
    });
    sender.send(host, port, sheet, timeoutMs);
    if (!done)
        loop.exec();
    return result;
}
