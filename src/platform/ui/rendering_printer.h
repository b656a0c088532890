#pragma once
// The default printer's behaviour on top of a print device: a document opened by the first
// print, lines printed one below the other, pages begun when the next line would not fit,
// and the document ended by EndDoc.
#include <functional>
#include <memory>

#include "platform/ui/page_layout.h"
#include "platform/ui/printer.h"

namespace ostrevan::ui {

class RenderingPrinter : public Printer {
public:
    // face: the printer's default face for PrintLine; margin: on every side, in twips.
    RenderingPrinter(std::string face = "Arial", int marginTwips = 720)
        : face_(std::move(face)), margin_(marginTwips) {}
    ~RenderingPrinter() override;

    void SetFontSize(double points) override;
    double FontSize() const override { return size_; }
    void PrintLine(const std::string& text) override;
    void PrintText(const PrintableText& text) override;
    void EndDoc() override;

    bool DocumentOpen() const { return open_; }

protected:
    // The device for the next document; throws VbError 482 when there is no printer.
    virtual PrintDevice& OpenDevice() = 0;
    // The device of the document that has ended (or was abandoned).
    virtual void CloseDevice() = 0;
    // Ends an open document (for destructors of derived classes, which must call it).
    void Shutdown();

private:
    void Ensure();
    // Runs steps on the device; when one fails, the document is abandoned and the device closed
    // before the failure goes on.
    void OrAbandon(PrintDevice& d, const std::function<void()>& steps);
    void Print(const PrintableText& text);

    std::string face_;
    int margin_;
    double size_ = 10;
    bool open_ = false;
    PrintDevice* dev_ = nullptr;
    int y_ = 0;
};

}  // namespace ostrevan::ui
