#include "framework/printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringList>

#include <optional>

#include "framework/graphics_qt.h"
#include "framework/memory_staged_save.h"
#include "framework/print_server_probe.h"
#include "framework/print_spooler.h"

namespace fw {

struct PrinterSetup::Impl {
  std::optional<QPageLayout> layout;  // none: the printer's defaults
  String unread;                      // a setup text that did not read as one
};

namespace {

// --- Setup text --------------------------------------------------------------------------

QPageLayout DefaultLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

String Encode(const QPageLayout& layout) {
  const QSize size = layout.pageSize().sizePoints();
  const QMargins m = layout.marginsPoints();
  return QString("size=%1x%2;orientation=%3;margins=%4,%5,%6,%7")
      .arg(size.width())
      .arg(size.height())
      .arg(layout.orientation() == QPageLayout::Landscape ? "landscape" : "portrait")
      .arg(m.left())
      .arg(m.top())
      .arg(m.right())
      .arg(m.bottom())
      .toStdString();
}

// Every number must read and the margins must leave room for a printable area.
std::optional<QPageLayout> Decode(const String& text) {
  int w = 0, h = 0;
  std::optional<QPageLayout::Orientation> orientation;
  std::optional<QMarginsF> margins;
  for (const QString& entry : QString::fromStdString(text).split(';')) {
    const QString key = entry.section('=', 0, 0).trimmed();
    const QString value = entry.section('=', 1).trimmed();
    bool ok = true;
    if (key == "size") {
      const QStringList wh = value.split('x');
      if (wh.size() != 2) return std::nullopt;
      bool okW = false, okH = false;
      w = wh[0].toInt(&okW);
      h = wh[1].toInt(&okH);
      ok = okW && okH;
    } else if (key == "orientation") {
      if (value == "portrait") orientation = QPageLayout::Portrait;
      else if (value == "landscape") orientation = QPageLayout::Landscape;
      else ok = false;
    } else if (key == "margins") {
      const QStringList parts = value.split(',');
      if (parts.size() != 4) return std::nullopt;
      int v[4] = {};
      for (int i = 0; i < 4 && ok; ++i) {
        v[i] = parts[i].toInt(&ok);
        ok = ok && v[i] >= 0;
      }
      margins = QMarginsF(v[0], v[1], v[2], v[3]);
    } else {
      ok = false;
    }
    if (!ok) return std::nullopt;
  }
  if (w <= 0 || h <= 0 || !orientation || !margins) return std::nullopt;
  QPageLayout layout(QPageSize(QSize(w, h), QString(), QPageSize::FuzzyMatch), *orientation, QMarginsF(0, 0, 0, 0),
                     QPageLayout::Point);
  if (!layout.setMargins(*margins) || layout.paintRectPoints().isEmpty()) return std::nullopt;
  return layout;
}

PageSetupDialogHandler& SetupHandler() {
  static PageSetupDialogHandler handler;
  return handler;
}

PrinterDialogHandler& PrintHandler() {
  static PrinterDialogHandler handler;
  return handler;
}

String& PrintToFileAnswer() {
  static String pdfPath;
  return pdfPath;
}

String& PrintToPrinterAnswer() {
  static String printer;
  return printer;
}

std::vector<PrintedJob>& Jobs() {
  static std::vector<PrintedJob> jobs;
  return jobs;
}

// --- Pages -------------------------------------------------------------------------------

void CopyState(const Graphics& from, Graphics& to) {
  to.ForeColor = from.ForeColor;
  to.PenWidth = from.PenWidth;
  to.PenHeight = from.PenHeight;
  to.TextFont = from.TextFont;
  to.TextSize = from.TextSize;
  to.Bold = from.Bold;
  to.Italic = from.Italic;
  to.Underline = from.Underline;
}

// A port for measuring text with `state`'s font, on a 1x1 picture made on first use.
// Fonts are sized in page units, so a 1:1 picture measures as the page does.
Graphics& MeasuringPort(Picture& scratch, const Graphics& state) {
  if (!scratch) scratch = NewPicture(1, 1, 24);
  Graphics& g = scratch.GetGraphics();
  CopyState(state, g);
  return g;
}

// Where a job's pages go: a printer, or the record kept for tests.
class PageSink {
 public:
  virtual ~PageSink() = default;
  // The graphics of a new page (the first one on the first call); none when the
  // output cannot take it, and the drawing is then dropped.
  virtual Graphics* StartPage() = 0;
  virtual void NextPageCalled() {}
  // False when a file the job went into could not be written whole, or a printer's
  // queue did not take the job.
  virtual bool Finish() = 0;
  // The full path of the file the job goes into; "" for a printer.
  virtual String OutputFile() const { return {}; }
  virtual String PrinterName() const { return {}; }
  virtual String Refusal() const { return {}; }
};

// A printed file holds the diary as much as its data files do, so it is written as
// they are: whole beside its place, then renamed into it, its owner's only (0600).
// Qt's PDF engine ignores write errors, so it writes into memory, which is then saved
// into the file; a device or a FIFO the user prints to is written directly.
class PrinterSink : public PageSink {
 public:
  PrinterSink(std::unique_ptr<QPrinter> printer, int w, int h)
      : printer_(std::move(printer)), file_(FileOf(*printer_)), w_(w), h_(h) {}
  ~PrinterSink() override { PrinterSink::Finish(); }

  Graphics* StartPage() override {
    if (broken_) return nullptr;
    if (!painter_.isActive()) {
      broken_ = !StageInMemory() || !painter_.begin(printer_.get());
      if (broken_) return nullptr;
      graphics_ = GraphicsForPainter(&painter_, w_, h_);
    } else if (!printer_->newPage()) {
      broken_ = true;
      return nullptr;
    }
    // Page units are points whatever the printer's resolution.
    const double scale = printer_->resolution() / 72.0;
    painter_.resetTransform();
    painter_.scale(scale, scale);
    return graphics_.get();
  }
  bool Finish() override {
    if (painter_.isActive()) {
      painter_.end();
      if (staged_ && !staged_->Commit()) broken_ = true;
      // Ending the painter handed the job to the printer's queue, whose answer the
      // toolkit drops.
      if (!PrinterName().empty()) refusal_ = LastSpoolerRefusal();
    } else if (broken_ && !PrinterName().empty() && refusal_.empty()) {
      // The toolkit writes a printer's job into a temporary file first: none could
      // be made, and nothing went to the queue.
      refusal_ = "the job could not be written into the temporary folder " + QDir::tempPath().toStdString();
    }
    staged_.reset();
    return (!broken_ || file_.empty()) && refusal_.empty();
  }
  String OutputFile() const override { return file_; }
  String PrinterName() const override {
    if (printer_->outputFormat() != QPrinter::NativeFormat) return {};
    return printer_->printerName().toStdString();
  }
  String Refusal() const override { return refusal_; }

 private:
  static String FileOf(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::PdfFormat) return {};
    return QFile::encodeName(QFileInfo(printer.outputFileName()).absoluteFilePath()).toStdString();
  }
  // False when the job cannot go into memory.
  bool StageInMemory() {
    if (file_.empty() || !MemoryStagedSave::Suits(file_)) return true;
    staged_ = std::make_unique<MemoryStagedSave>(file_);
    const std::string memory = staged_->MemoryName();
    if (memory.empty()) return false;
    printer_->setOutputFileName(QFile::decodeName(memory.c_str()));
    return true;
  }

  std::unique_ptr<QPrinter> printer_;
  String file_;
  std::unique_ptr<MemoryStagedSave> staged_;
  QPainter painter_;
  std::unique_ptr<Graphics> graphics_;
  int w_, h_;
  bool broken_ = false;
  String refusal_;
};

// Records each call, and draws it into the page's picture.
class RecordingGraphics : public Graphics {
 public:
  RecordingGraphics(size_t job, int w, int h) : job_(job), w_(w), h_(h) {}
  int Width() const override { return w_; }
  int Height() const override { return h_; }

  void DrawLine(int x1, int y1, int x2, int y2) override {
    Record(PrintedItem::Kind::Line, "", x1, y1, x2, y2, [&](Graphics& g) { g.DrawLine(x1, y1, x2, y2); });
  }
  void DrawRect(int x, int y, int w, int h) override {
    Record(PrintedItem::Kind::Rect, "", x, y, w, h, [&](Graphics& g) { g.DrawRect(x, y, w, h); });
  }
  void FillRect(int x, int y, int w, int h) override {
    Record(PrintedItem::Kind::FillRect, "", x, y, w, h, [&](Graphics& g) { g.FillRect(x, y, w, h); });
  }
  void DrawOval(int x, int y, int w, int h) override {
    Record(PrintedItem::Kind::Oval, "", x, y, w, h, [&](Graphics& g) { g.DrawOval(x, y, w, h); });
  }
  void FillOval(int x, int y, int w, int h) override {
    Record(PrintedItem::Kind::FillOval, "", x, y, w, h, [&](Graphics& g) { g.FillOval(x, y, w, h); });
  }
  void DrawString(const String& text, int x, int y) override {
    Record(PrintedItem::Kind::Text, text, x, y, 0, 0, [&](Graphics& g) { g.DrawString(text, x, y); });
  }
  int StringWidth(const String& text) override { return Synced().StringWidth(text); }
  int TextAscent() override { return Synced().TextAscent(); }
  int TextHeight() override { return Synced().TextHeight(); }
  void DrawPicture(const Picture& p, int x, int y) override {
    if (p.IsNull()) return;
    Record(PrintedItem::Kind::Picture, "", x, y, p.Width(), p.Height(), [&](Graphics& g) { g.DrawPicture(p, x, y); });
  }
  void DrawPicture(const Picture& p, int x, int y, int destW, int destH, int srcX, int srcY, int srcW,
                   int srcH) override {
    Record(PrintedItem::Kind::Picture, "", x, y, destW, destH,
           [&](Graphics& g) { g.DrawPicture(p, x, y, destW, destH, srcX, srcY, srcW, srcH); });
  }
  void ClearRect(int x, int y, int w, int h) override {
    Record(PrintedItem::Kind::Clear, "", x, y, w, h, [&](Graphics& g) { g.ClearRect(x, y, w, h); });
  }

 private:
  PrintedPage* Page() {
    std::vector<PrintedJob>& jobs = Jobs();
    if (job_ >= jobs.size() || jobs[job_].pages.empty()) return nullptr;  // forgotten meanwhile
    return &jobs[job_].pages.back();
  }
  Graphics& Synced() {
    PrintedPage* page = Page();
    if (!page) return MeasuringPort(scratch_, *this);
    Graphics& g = page->picture.GetGraphics();
    CopyState(*this, g);
    return g;
  }
  template <class F>
  void Record(PrintedItem::Kind kind, const String& text, int x, int y, int w, int h, F draw) {
    PrintedPage* page = Page();
    if (!page) return;
    page->items.push_back({kind, text, x, y, w, h, TextSize, Bold});
    draw(Synced());
  }

  size_t job_;
  int w_, h_;
  Picture scratch_;
};

class RecordingSink : public PageSink {
 public:
  RecordingSink(int w, int h) : job_(Jobs().size()), graphics_(job_, w, h), w_(w), h_(h) { Jobs().emplace_back(); }
  ~RecordingSink() override { RecordingSink::Finish(); }

  Graphics* StartPage() override {
    PrintedJob* job = Job();
    if (!job || job->finished) return nullptr;
    job->pages.push_back({{}, NewPicture(w_, h_, 24)});
    return &graphics_;
  }
  void NextPageCalled() override {
    if (PrintedJob* job = Job()) ++job->nextPageCalls;
  }
  bool Finish() override {
    if (PrintedJob* job = Job()) job->finished = true;
    return true;
  }

 private:
  PrintedJob* Job() { return job_ < Jobs().size() ? &Jobs()[job_] : nullptr; }

  size_t job_;
  RecordingGraphics graphics_;
  int w_, h_;
};

// The port the program draws on. A page starts with its first drawing, so pages that
// would stay blank are never made.
class PrinterPort : public PrinterGraphics {
 public:
  PrinterPort(std::unique_ptr<PageSink> sink, int w, int h) : sink_(std::move(sink)), w_(w), h_(h) {}
  ~PrinterPort() override { PrinterPort::Finish(); }

  int Width() const override { return w_; }
  int Height() const override { return h_; }

  void NextPage() override {
    if (finished_) return;
    sink_->NextPageCalled();
    pageStarted_ = false;
  }
  bool Finish() override {
    if (finished_) return written_;
    finished_ = true;
    target_ = nullptr;
    written_ = sink_->Finish();
    return written_;
  }
  String OutputFile() const override { return sink_->OutputFile(); }
  String PrinterName() const override { return sink_->PrinterName(); }
  String Refusal() const override { return sink_->Refusal(); }

  void DrawLine(int x1, int y1, int x2, int y2) override {
    if (Graphics* g = Target()) g->DrawLine(x1, y1, x2, y2);
  }
  void DrawRect(int x, int y, int w, int h) override {
    if (Graphics* g = Target()) g->DrawRect(x, y, w, h);
  }
  void FillRect(int x, int y, int w, int h) override {
    if (Graphics* g = Target()) g->FillRect(x, y, w, h);
  }
  void DrawOval(int x, int y, int w, int h) override {
    if (Graphics* g = Target()) g->DrawOval(x, y, w, h);
  }
  void FillOval(int x, int y, int w, int h) override {
    if (Graphics* g = Target()) g->FillOval(x, y, w, h);
  }
  // Text is not wrapped; each of its lines goes one line height below the one before.
  void DrawString(const String& text, int x, int y) override {
    Graphics* g = Target();
    if (!g) return;
    const int step = g->TextHeight();
    const QStringList lines = QString::fromStdString(text).split(QRegularExpression("\r\n|\r|\n"));
    for (qsizetype i = 0; i < lines.size(); ++i) DrawLine(*g, lines[i], x, y + static_cast<int>(i) * step);
  }
  int StringWidth(const String& text) override { return Measure().StringWidth(text); }
  int TextAscent() override { return Measure().TextAscent(); }
  int TextHeight() override { return Measure().TextHeight(); }
  void DrawPicture(const Picture& p, int x, int y) override {
    if (Graphics* g = Target()) g->DrawPicture(p, x, y);
  }
  void DrawPicture(const Picture& p, int x, int y, int destW, int destH, int srcX, int srcY, int srcW,
                   int srcH) override {
    if (Graphics* g = Target()) g->DrawPicture(p, x, y, destW, destH, srcX, srcY, srcW, srcH);
  }
  void ClearRect(int x, int y, int w, int h) override {
    if (Graphics* g = Target()) g->ClearRect(x, y, w, h);
  }

 private:
  Graphics* Target() {
    if (finished_) return nullptr;
    if (!pageStarted_) {
      pageStarted_ = true;
      target_ = sink_->StartPage();
    }
    if (target_) CopyState(*this, *target_);
    return target_;
  }
  // Measuring starts no page.
  Graphics& Measure() { return MeasuringPort(scratch_, *this); }

  // A printer's painter works at the printer's resolution, where the toolkit sets a
  // tab's stop so far right that the text after it falls off the page. Each piece
  // after a tab is drawn on its own where the text measures it, as it is wrapped.
  void DrawLine(Graphics& g, const QString& line, int x, int y) {
    qsizetype start = 0;
    for (const QString& piece : line.split(u'\t')) {
      const int at = x + Measure().StringWidth(line.left(start).toStdString());
      if (!piece.isEmpty()) g.DrawString(piece.toStdString(), at, y);
      start += piece.size() + 1;
    }
  }

  std::unique_ptr<PageSink> sink_;
  int w_, h_;
  Graphics* target_ = nullptr;
  bool pageStarted_ = false;
  bool finished_ = false;
  bool written_ = true;
  Picture scratch_;
};

QPageLayout LayoutOf(const PrinterSetup* setup) {
  return setup && setup->impl().layout ? *setup->impl().layout : DefaultLayout();
}

}  // namespace

// --- PrinterSetup ------------------------------------------------------------------------

PrinterSetup::PrinterSetup() : impl_(std::make_unique<Impl>()) {}
PrinterSetup::~PrinterSetup() = default;

String PrinterSetup::SetupString() const { return impl_->layout ? Encode(*impl_->layout) : impl_->unread; }

void PrinterSetup::SetSetupString(const String& text) {
  impl_->layout = Decode(text);
  impl_->unread = impl_->layout ? String() : text;
}

bool PrinterSetup::PageSetupDialog(const std::function<void(const String& server)>& serverSilent) {
  if (SetupHandler()) return SetupHandler()(*this);
  const PrintServerBypass bypass(serverSilent);
  QPrinter printer(QPrinter::HighResolution);
  if (impl_->layout) printer.setPageLayout(*impl_->layout);
  QPageSetupDialog dialog(&printer, nullptr);
  if (dialog.exec() != QDialog::Accepted) return false;
  impl_->layout = printer.pageLayout();
  impl_->unread.clear();
  return true;
}

int PrinterSetup::PageWidth() const { return LayoutOf(this).paintRectPoints().width(); }
int PrinterSetup::PageHeight() const { return LayoutOf(this).paintRectPoints().height(); }

// --- The printer dialog ------------------------------------------------------------------

std::unique_ptr<PrinterGraphics> OpenPrinterDialog(PrinterSetup* setup,
                                                   const std::function<void(const String& server)>& serverSilent) {
  if (PrintHandler()) {
    if (!PrintHandler()(setup)) return nullptr;
    const QRect area = LayoutOf(setup).paintRectPoints();
    return std::make_unique<PrinterPort>(std::make_unique<RecordingSink>(area.width(), area.height()),
                                         area.width(), area.height());
  }
  // The printer and its dialog ask the print server on this thread; a file printed to
  // afterwards needs no server.
  const PrintServerBypass bypass(serverSilent);
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setDocName(QStringLiteral("Velqora"));
  if (setup && setup->impl().layout) printer->setPageLayout(*setup->impl().layout);
  if (!PrintToFileAnswer().empty()) {
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(PrintToFileAnswer()));
  } else if (!PrintToPrinterAnswer().empty()) {
    printer->setPrinterName(QString::fromStdString(PrintToPrinterAnswer()));
  } else {
    QPrintDialog dialog(printer.get(), nullptr);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
  }
  // Some desktops' dialogs offer only a folder for printing to a file, which would
  // write nothing: the document then goes into that folder under its own name.
  if (printer->outputFormat() == QPrinter::PdfFormat) {
    const QString file = printer->outputFileName();
    if (file.isEmpty() || QFileInfo(file).isDir())
      printer->setOutputFileName(QDir(file.isEmpty() ? QDir::homePath() : file).filePath(printer->docName() + ".pdf"));
  }
  const QRect area = printer->pageLayout().paintRectPoints();
  return std::make_unique<PrinterPort>(std::make_unique<PrinterSink>(std::move(printer), area.width(), area.height()),
                                       area.width(), area.height());
}

// --- Tests -------------------------------------------------------------------------------

void SetPageSetupDialogHandlerForTesting(PageSetupDialogHandler handler) { SetupHandler() = std::move(handler); }

void SetPrinterDialogHandlerForTesting(PrinterDialogHandler handler) {
  PrintHandler() = std::move(handler);
  Jobs().clear();
}

const std::vector<PrintedJob>& PrintedJobsForTesting() { return Jobs(); }

void SetPrintToFileForTesting(const String& pdfPath) { PrintToFileAnswer() = pdfPath; }

void SetPrintToPrinterForTesting(const String& printer) { PrintToPrinterAnswer() = printer; }

}  // namespace fw
