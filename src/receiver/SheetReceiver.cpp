#include "receiver/SheetReceiver.h"

#include "base/DateTime.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

QString PeerText(const QHostAddress& address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4).toString() : address.toString();
}

TSheetReceiver::TSheetReceiver(QObject* parent)
    : QObject(parent), server_(new QTcpServer(this)), idleTimer_(new QTimer(this)) {
    qRegisterMetaType<TReceivedSheet>();
    idleTimer_->setInterval(limits_.idleIntervalMs);
    connect(idleTimer_, &QTimer::timeout, this, &TSheetReceiver::idleTick);
    connect(server_, &QTcpServer::newConnection, this, &TSheetReceiver::acceptConnections);
    connect(server_, &QTcpServer::acceptError, this, [this](QAbstractSocket::SocketError code) {
        log(ReceiverEvent::SocketError, QString::number(int(code)));
    });
}

TSheetReceiver::~TSheetReceiver() {
    // The sockets die with the server; they must not call back into a
    // half-destroyed receiver.
    for (auto& c : connections_)
        c->socket->disconnect(this);
}

bool TSheetReceiver::listen(quint16 port, const QHostAddress& bindAddress) {
    if (server_->isListening())
        server_->close();
    if (!server_->listen(bindAddress, port)) {
        log(ReceiverEvent::SocketError, QString::number(int(server_->serverError())));
        return false;
    }
    log(ReceiverEvent::ListeningStarted);
    emit listeningChanged(true);
    return true;
}

void TSheetReceiver::close() {
    const bool wasListening = server_->isListening();
    server_->close();
    while (!connections_.empty())
        dropConnection(connections_.front()->socket, ReceiverEvent::ClientDisconnected);
    if (wasListening) {
        log(ReceiverEvent::ListeningStopped);
        emit listeningChanged(false);
    }
}

bool TSheetReceiver::isListening() const {
    return server_->isListening();
}
quint16 TSheetReceiver::serverPort() const {
    return server_->serverPort();
}
QString TSheetReceiver::errorString() const {
    return server_->errorString();
}

void TSheetReceiver::setLimits(const Limits& limits) {
    limits_ = limits;
    idleTimer_->setInterval(limits_.idleIntervalMs);
}

void TSheetReceiver::acceptConnections() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        const QString peer = PeerText(socket->peerAddress());
        if (connectionCount() >= limits_.maxConnections) {
            log(ReceiverEvent::TooManyConnections, peer);
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto c = std::make_unique<Connection>();
        c->socket = socket;
        c->peer = peer;
        c->lastActivity.start();
        connections_.push_back(std::move(c));
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this,
                [this, socket] { finishConnection(socket); });
        connect(socket, &QTcpSocket::errorOccurred, this,
                [this, socket](QAbstractSocket::SocketError code) {
                    reportSocketError(socket, int(code));
                });
        updateTimer();
        log(ReceiverEvent::ClientConnected, peer);
        emit connectionCountChanged(connectionCount());
    }
}

void TSheetReceiver::readFrom(QTcpSocket* socket) {
    Connection* c = find(socket);
    if (!c)
        return;
    const qint64 n = socket->bytesAvailable();
    log(ReceiverEvent::DataArrived, c->peer);
    if (n < 1)
        return;
    if (c->buffer.size() + n > limits_.maxSheetBytes) {
        dropConnection(socket, ReceiverEvent::SheetTooLarge);
        return;
    }
    c->buffer.append(socket->read(n));
    c->lastActivity.start();
}

void TSheetReceiver::finishConnection(QTcpSocket* socket) {
    Connection* c = find(socket);
    if (!c)
        return;
    // Bytes that came together with the close may not have been announced yet.
    if (socket->bytesAvailable() > 0) {
        readFrom(socket);
        c = find(socket);
        if (!c)
            return; // dropped: the last bytes broke the size limit
    }
    // Forget the connection before anyone hears of the sheet: a handler may
    // well close the receiver.
    const QString peer = c->peer;
    const QByteArray bytes = c->buffer;
    forget(socket);
    if (!bytes.isEmpty()) {
        TReceivedSheet received;
        received.Bytes = bytes;
        received.Peer = peer;
        received.Sheet =
            DecodeSheet(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        emit sheetReceived(received);
        if (received.Sheet.IdentifierOk)
            log(received.Sheet.EndMarkerOk ? ReceiverEvent::SheetApplied
                                           : ReceiverEvent::EndMarkerWrong);
    }
    log(ReceiverEvent::ClientDisconnected, peer);
}

void TSheetReceiver::reportSocketError(QTcpSocket* socket, int code) {
    // A sender closing its side is how every sheet ends, not an error.
    if (code == QAbstractSocket::RemoteHostClosedError || !find(socket))
        return;
    log(ReceiverEvent::SocketError, QString::number(code));
}

void TSheetReceiver::idleTick() {
    std::vector<QTcpSocket*> silent;
    for (auto& c : connections_) {
        const qint64 quietMs = c->lastActivity.elapsed();
        if (quietMs >= limits_.silenceTimeoutMs) {
            silent.push_back(c->socket);
        } else if (quietMs > limits_.idleAfterMs) {
            c->socket->write("A", 1);
            emit idleSignalSent(c->peer);
        }
    }
    for (QTcpSocket* socket : silent)
        dropConnection(socket, ReceiverEvent::ConnectionSilent);
}

void TSheetReceiver::dropConnection(QTcpSocket* socket, ReceiverEvent event) {
    Connection* c = find(socket);
    if (!c)
        return;
    const QString peer = c->peer;
    if (event != ReceiverEvent::ClientDisconnected)
        log(event, peer);
    socket->disconnect(this); // no disconnected() handling: nothing is decoded
    socket->abort();
    log(ReceiverEvent::ClientDisconnected, peer);
    forget(socket);
}

void TSheetReceiver::forget(QTcpSocket* socket) {
    auto it = std::find_if(connections_.begin(), connections_.end(),
                           [socket](const auto& c) { return c->socket == socket; });
    if (it == connections_.end())
        return;
    connections_.erase(it);
    socket->disconnect(this);
    socket->deleteLater();
    updateTimer();
    emit connectionCountChanged(connectionCount());
}

TSheetReceiver::Connection* TSheetReceiver::find(QTcpSocket* socket) {
    for (auto& c : connections_)
        if (c->socket == socket)
            return c.get();
    return nullptr;
}

void TSheetReceiver::log(ReceiverEvent event, const QString& detail) {
    const std::string line = ReceiverLogLine(NowDateTime(), event, detail.toStdString());
    emit logLine(QString::fromStdString(line));
}

void TSheetReceiver::updateTimer() {
    if (connections_.empty())
        idleTimer_->stop();
    else if (!idleTimer_->isActive())
        idleTimer_->start();
}
