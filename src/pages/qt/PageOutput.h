#pragma once

// The entry points the preview window and the command-line tool use to put
// pages on the screen, into a PDF file and onto a printer. All of them draw
// through the same recorded pages, so the three outputs agree.

#include "pages/Pages.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

class QPainter;
class QPrinter;

// The pixel size of a page at a zoom in pixels per millimetre: the page
// rectangle times the zoom, truncated (A4 at zoom 4: 840 x 1188).
QSize PageSizeAtZoom(const TVrPages& pages, double zoomPxPerMm);

// Draws page `index` onto an active painter with its top-left corner at the
// painter's origin, at the zoom, background included. An index outside the
// page list draws nothing.
void RenderPageOnPainter(TVrPages& pages, int index, QPainter& painter, double zoomPxPerMm);

// Page `index` as a new RGB image of PageSizeAtZoom; an invalid index gives
// an image filled with the background colour.
QImage RenderPageToImage(TVrPages& pages, int index, double zoomPxPerMm);

struct TQtOutputResult {
    bool ok = false;
    QString error; // why the output failed, for the window to tell the user
    int sheets = 0;
};

// Writes every page to a PDF file (vector, fonts embedded, the paper of
// PrintSettings.Size in the page set's orientation, PrintSettings.Title as
// the document title). The file is written beside the target and renamed
// over it, so a failure leaves a previous file as it was.
TQtOutputResult WritePagesToPdf(TVrPages& pages, const QString& path);

// Prints the listed pages on the printer, page breaks between them: the
// page set's orientation is written to the printer, the settings read back,
// then the pages printed at physical scale.
TQtOutputResult PrintPages(TVrPages& pages, QPrinter& printer, const std::vector<int>& indices);

// 0 .. Count() - 1.
std::vector<int> AllPageIndices(const TVrPages& pages);
