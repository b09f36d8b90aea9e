#pragma once

#include "base/DateTime.h"

#include <string>
#include <string_view>

// The events the receiver writes into its communication log.
enum class ReceiverEvent {
    ListeningStarted,
    ListeningStopped,
    ClientConnected, // detail: the client's address
    DataArrived,     // detail: the client's address
    SheetApplied,
    EndMarkerWrong,
    ClientDisconnected, // detail: the client's address
    SocketError,        // detail: the error code in decimal
    SheetTooLarge,      // detail: the client's address
    TooManyConnections, // detail: the client's address
    ConnectionSilent,   // detail: the client's address
};

// The text that follows the time stamp, with its leading blank. Texts meant
// for the user's language go through Translate; the protocol's fixed texts
// are written unchanged.
std::string ReceiverLogText(ReceiverEvent event, std::string_view detail = {});

// "yyyy-mm-dd hh:mm:ss" of the moment (to the second, truncated like a clock).
std::string ReceiverTimeStamp(DateTime moment);

// A complete log line: the time stamp of the moment, then the event's text.
std::string ReceiverLogLine(DateTime moment, ReceiverEvent event, std::string_view detail = {});
