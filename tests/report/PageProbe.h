#pragma once

// Reads a recorded page back as a flat list of drawing operations, each with
// the attributes in force when it was recorded, so tests can ask "which
// texts are red", "where are the bars" without rendering pixels.

#include "pages/FmtText.h"
#include "pages/Page.h"
#include "pages/PageElements.h"

#include <string>
#include <vector>

struct TProbeOp {
    uint8_t Kind = 0;
    std::string Text; // TextOut, TextOutWrapped; TextOutF: the runs joined, index runs after "_"
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0; // points; X2, Y2 box size for TextOutWrapped
    std::vector<TVrPointMm> Points;
    // State at the time of recording.
    TVrColor FontColor = 0;
    double FontHeight = 0;
    double FontWidth = 0;
    TVrFontStyle FontStyle = 0;
    double Rotate = 0;
    TVrColor PenColor = 0;
    uint8_t PenStyle = 0;
    double PenWidth = 0;
    TVrColor BrushColor = 0;
    uint8_t BrushStyle = 0;
    TJustify Justify = jtDefault;
};

std::vector<TProbeOp> ProbePage(const TVrPage& page);

// The drawing operations of one kind (TVrPE_Line::KindCode ...).
std::vector<TProbeOp> OpsOfKind(const std::vector<TProbeOp>& ops, uint8_t kind);
// Every text-drawing operation (plain, wrapped and formatted).
std::vector<TProbeOp> Texts(const std::vector<TProbeOp>& ops);
// Text operations whose text equals the given one.
std::vector<TProbeOp> TextsEqual(const std::vector<TProbeOp>& ops, const std::string& text);
bool HasText(const std::vector<TProbeOp>& ops, const std::string& text);
