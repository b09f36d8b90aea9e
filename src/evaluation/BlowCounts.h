#pragma once

#include "model/Protocol.h"

#include <string_view>

// The depth grid of the readings and the corrected blow count NKor.

// Rows of the readings grid: row r stands for the depth r x ReadingStep.
inline constexpr int ReadingRows = 300;

// Columns of the readings grid that hold a stored field of a reading.
enum ReadingColumn : int {
    ColumnBlows = 1,       // N
    ColumnTorque = 2,      // Torque, Nm
    ColumnMMax = 4,        // MMax, Nm
    ColumnMRMax = 5,       // MRMax, Nm
    ColumnSpeed = 6,       // Speed, rev/min
    ColumnTimeToShear = 7, // TimeToShear, min
};

// The reading interval in metres: 0.2 for DPSH-B (N20), else 0.1 (N10).
double ReadingStep(const TProtocol& test);

// Writes one cell of the readings grid as the user typed it (decimal comma or
// point). Creates the reading of the row when it is missing, corrects its
// blow count, reruns the verification after a vane torque, and removes the
// reading again when it is left with neither a blow count nor a torque.
// Rows outside 1..ReadingRows are ignored.
void SetReadingCell(TProtocol& test, int row, int column, std::string_view text);

// Recomputes NKor of one reading from its N and the test's correction
// settings: the top 50 cm (road-and-bridge instruction or user coefficients),
// then the ground-water correction.
void CorrectBlows(const TProtocol& test, TMeasure& reading);

// CorrectBlows for every reading, in list order.
void CorrectAllBlows(TProtocol& test);
