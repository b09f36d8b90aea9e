#pragma once

#include "pages/PageTypes.h"
#include "pages/Surface.h"

#include <optional>
#include <string>

enum TPaperSize : uint8_t { psA5 = 0, psA4 = 1, psA3 = 2 };

// Standard paper size numbers of printer job settings.
constexpr int PaperCodeA5 = 11;
constexpr int PaperCodeA4 = 9;
constexpr int PaperCodeA3 = 8;

// Field-mask bits of a job settings record.
constexpr uint32_t jfOrientation = 0x1;
constexpr uint32_t jfPaperSize = 0x2;
constexpr uint32_t jfScale = 0x10;
constexpr uint32_t jfCopies = 0x100;
constexpr uint32_t jfColor = 0x800;

// A printer's job settings record: codes as printers use them.
struct TPrinterJobSettings {
    int Copies = 1;
    int ColorMode = 2;   // 1 monochrome, 2 colour
    int Orientation = 1; // 1 portrait, 2 landscape
    int PaperCode = PaperCodeA4;
    int Scale = 100; // per cent
    uint32_t Fields = 0;
};

// The printer facility the engine prints through. Implementations: the Qt
// printer and the PDF writer of the Qt back-end, a recording stub in tests.
class TVrPrinter {
public:
    virtual ~TVrPrinter() = default;
    virtual std::string DeviceName() const = 0;
    // The current job settings; nothing when the printer offers none.
    virtual std::optional<TPrinterJobSettings> JobSettings() const = 0;
    // Applies the fields named in settings.Fields.
    virtual void SetJobSettings(const TPrinterJobSettings& settings) = 0;
    // Pixels per inch.
    virtual int ResolutionX() const = 0;
    virtual int ResolutionY() const = 0;
    // Device pixels from the paper's corner to the printable area's corner.
    virtual int PhysicalOffsetX() const = 0;
    virtual int PhysicalOffsetY() const = 0;
    // False with the reason when the job cannot start.
    virtual bool BeginDoc(const std::string& title, std::string& error) = 0;
    virtual void NewPage() = 0;
    // False with the reason when the job could not be completed.
    virtual bool EndDoc(std::string& error) = 0;
    // The surface of the running job.
    virtual TVrSurface& Surface() = 0;
};

struct TPrintResult {
    bool ok = true;
    std::string error;
    int sheets = 0; // sheets started
};

// Paper width and height in millimetres for a size, portrait.
void PaperSizeMm(TPaperSize size, double& widthMm, double& heightMm);

// The job's settings and the printer geometry derived from the printer.
class TPrintSettings {
public:
    virtual ~TPrintSettings() = default;

    std::string Title;
    std::string PrinterName;
    TPaperSize Size = psA4;
    TOrientation Orientation = orVertical;
    bool Color = true;
    int Copies = 1;

    // Derived by ReadFromPrinter, printer pixels (zero until then): the
    // paper (0, 0, W, H) and the physical offsets (X1, Y1).
    TRange PageRect;
    TRange PrinterOffset;
    int ResolutionX = 0;
    int ResolutionY = 0;

    // Takes copies, colour, orientation and paper from the printer (kept as
    // they were when it offers no job settings) and derives the geometry.
    void ReadFromPrinter(TVrPrinter& printer);
    // Writes copies, colour, orientation and paper size; does nothing when
    // the printer offers no job settings.
    void WriteToPrinter(TVrPrinter& printer) const;
};
