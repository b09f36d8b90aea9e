#pragma once

#include <cstdint>
#include <string_view>

// The sheet the field data-collection application sends over TCP: one sheet
// per connection, no length prefix, the end of the message is the sender
// closing the connection. Laid out in the record container's format:
//
//   identifier  the bytes of SheetIdentifier, no length prefix
//   version     uint32 (read and ignored)
//   count       uint32, records that follow
//   records     count x (depth: double, m; blows: int32; torque: double, Nm)
//   strings     test site, site description, test number, order number
//   doubles     latitude, longitude, height above sea level (m)
//   string      test date "yyyy-mm-dd hh:mm:ss"
//   end marker  int32 SheetEndMarker, so the bytes 04 03 02 01
//
// All numbers little-endian; strings are a uint32 length and Windows-1250
// bytes. A negative blow count or torque means "not measured".
inline constexpr std::string_view SheetIdentifier = "Brennholt.Tallowin.ArdelvenQuistraSheet";
inline constexpr int32_t SheetEndMarker = 0x01020304;
// What this program writes as the version field; readers ignore it.
inline constexpr uint32_t SheetVersion = 242;

// Bytes of one record on the wire: double + int32 + double.
inline constexpr int32_t SheetRecordBytes = 8 + 4 + 8;

// A sensible sheet holds at most a few thousand records (a probing is at most
// 300 rows); 16 MiB leaves room for any real sheet while keeping a runaway or
// hostile sender from filling the memory of the office machine.
inline constexpr int64_t MaxSheetBytes = 16 * 1024 * 1024;

// The default TCP port of the receiver.
inline constexpr uint16_t DefaultReceiverPort = 8080;
