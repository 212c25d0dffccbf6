#pragma once
// Printing. A PrinterSetup carries a page setup as text (SetupString), which the page
// setup dialog edits. OpenPrinterDialog asks for a printer and answers the first
// page's graphics, or none when the user cancels; the job is finished when Finish() is
// called, which tells whether a file it went into was written, or when the page
// graphics is let go (destroyed).
//
// Page coordinates are points (1/72 inch) from the top left of the printable area;
// text sizes are points as well. A page is started by the first drawing on it, so a
// NextPage() with nothing drawn after it adds no blank page, and a job that draws
// nothing prints nothing.
#include <functional>
#include <memory>
#include <vector>

#include "framework/graphics.h"
#include "framework/text.h"

namespace fw {

class PrinterSetup {
 public:
  PrinterSetup();
  ~PrinterSetup();
  PrinterSetup(const PrinterSetup&) = delete;
  PrinterSetup& operator=(const PrinterSetup&) = delete;

  // "size=<w>x<h>;orientation=<portrait|landscape>;margins=<l>,<t>,<r>,<b>" in points.
  // A text that does not read as a setup is kept as it is and leaves the printer's
  // defaults in force.
  String SetupString() const;
  void SetSetupString(const String& text);

  // The page setup dialog, with no parent window. True when the user accepted; the
  // setup then holds the chosen page. On cancel it is unchanged. A print server that
  // does not answer is told to `serverSilent` (may be none) by its name before the
  // dialog opens, which then offers the pages of a file.
  bool PageSetupDialog(const std::function<void(const String& server)>& serverSilent = {});

  // Printable area in points of this setup (A4 portrait without margins by default).
  int PageWidth() const;
  int PageHeight() const;

  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

// The graphics of a printed job's current page.
class PrinterGraphics : public Graphics {
 public:
  // The next drawing goes on a new page.
  virtual void NextPage() = 0;
  // Ends the job (sends it to the printer or file). Drawing afterwards does nothing.
  // False when the job went into a file (a PDF) that could not be written whole: a
  // regular file that was there then stays as it was (a device is written directly);
  // or when the printer's queue did not take it (Refusal() says why). A job that drew
  // nothing (and so sent nothing) answers true. Later calls answer the same.
  virtual bool Finish() = 0;
  // The full path of the file the job goes into; "" for a printer.
  virtual String OutputFile() const = 0;
  // The printer the job goes to; "" for a file.
  virtual String PrinterName() const = 0;
  // After Finish(): why the printer's queue did not take the job, in the printing
  // system's words; "" when it took it, or the job went into a file.
  virtual String Refusal() const = 0;
};

// The printer dialog, with no parent window. `setup` (may be none) gives the page;
// none uses the printer's own. None when the user cancels. A printer that cannot be
// opened gives a port whose drawing goes nowhere. A print server that does not answer
// is told to `serverSilent` (may be none) by its name before the dialog opens, which
// then offers printing into a file only.
std::unique_ptr<PrinterGraphics> OpenPrinterDialog(PrinterSetup* setup = nullptr,
                                                   const std::function<void(const String& server)>& serverSilent = {});

// --- Tests ------------------------------------------------------------------------------
// While a handler is set no dialog shows: the handler answers for the user (true:
// accept / print), and printed pages are recorded instead of sent to a printer.
using PageSetupDialogHandler = std::function<bool(PrinterSetup& setup)>;
void SetPageSetupDialogHandlerForTesting(PageSetupDialogHandler handler);  // nullptr restores
using PrinterDialogHandler = std::function<bool(const PrinterSetup* setup)>;
// Setting or clearing it also forgets the jobs recorded so far.
void SetPrinterDialogHandlerForTesting(PrinterDialogHandler handler);

// One drawing call on a recorded page, with the port's text state at that moment.
struct PrintedItem {
  enum class Kind { Text, Line, Rect, FillRect, Oval, FillOval, Picture, Clear } kind;
  String text;  // Text only
  int x = 0, y = 0, w = 0, h = 0;  // Line: (x, y) to (w, h)
  int textSize = 0;
  bool bold = false;
};
struct PrintedPage {
  std::vector<PrintedItem> items;
  Picture picture;  // the page as drawn, white paper
};
struct PrintedJob {
  std::vector<PrintedPage> pages;
  int nextPageCalls = 0;
  bool finished = false;
};
// The jobs printed since the handler was set, in order.
const std::vector<PrintedJob>& PrintedJobsForTesting();
// While a path is set (and no handler), the printer dialog is answered with printing
// to that PDF file: the job goes the real way into the file. "" restores the dialog.
void SetPrintToFileForTesting(const String& pdfPath);
// While a name is set (and no handler and no file), the printer dialog is answered with
// printing on that printer: the job goes the real way to its queue. "" restores it.
void SetPrintToPrinterForTesting(const String& printer);

}  // namespace fw
