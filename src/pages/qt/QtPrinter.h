#pragma once

#include "pages/PrintSettings.h"
#include "pages/qt/QtSurface.h"

#include <QPainter>

#include <optional>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

// The printer facility of the page engine over a Qt paged device. The job's
// surface draws in device pixels with the origin at the printable area's
// corner; the physical offsets tell the engine where that corner lies.
class TQtPagedPrinter : public TVrPrinter {
public:
    explicit TQtPagedPrinter(QPagedPaintDevice& device);
    ~TQtPagedPrinter() override;

    std::optional<TPrinterJobSettings> JobSettings() const override;
    void SetJobSettings(const TPrinterJobSettings& settings) override;
    int ResolutionX() const override;
    int ResolutionY() const override;
    int PhysicalOffsetX() const override;
    int PhysicalOffsetY() const override;
    bool BeginDoc(const std::string& title, std::string& error) override;
    void NewPage() override;
    bool EndDoc(std::string& error) override;
    TVrSurface& Surface() override { return *surface_; }

protected:
    virtual int Copies() const { return 1; }
    virtual bool Colour() const { return true; }
    virtual void SetCopies(int) {}
    virtual void SetColour(bool) {}
    virtual void SetTitle(const QString& title) = 0;

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    std::optional<TQtSurface> surface_;
};

// A printer chosen by the user (QPrintDialog) or the default one.
class TQtPrinter final : public TQtPagedPrinter {
public:
    explicit TQtPrinter(QPrinter& printer);
    std::string DeviceName() const override;

protected:
    int Copies() const override;
    bool Colour() const override;
    void SetCopies(int copies) override;
    void SetColour(bool colour) override;
    void SetTitle(const QString& title) override;

private:
    QPrinter& printer_;
};

// A PDF document: vector drawing, fonts embedded, paper A4 unless the
// settings ask otherwise, no margins (the whole sheet is drawable).
class TQtPdfPrinter final : public TQtPagedPrinter {
public:
    explicit TQtPdfPrinter(QPdfWriter& writer);
    std::string DeviceName() const override { return "PDF"; }

protected:
    void SetTitle(const QString& title) override;

private:
    QPdfWriter& writer_;
};
