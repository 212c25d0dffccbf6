#include "framework/text_wrap.h"

#include <QTextLayout>
#include <QTextOption>

#include "framework/graphics_qt.h"
#include "framework/text_qt.h"

namespace fw {

namespace {

// Appends the lines of one paragraph (a text without line breaks), up to `maxLines` in all.
void WrapParagraph(const QString& paragraph, const QFont& font, int width, size_t maxLines,
                   std::vector<String>& lines) {
  if (paragraph.isEmpty()) {
    lines.emplace_back();
    return;
  }
  QTextLayout layout(paragraph, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid() && lines.size() < maxLines; line = layout.createLine()) {
    line.setLineWidth(width);
    QString text = paragraph.mid(line.textStart(), line.textLength());
    while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
    lines.push_back(FromQ(text));
  }
  layout.endLayout();
}

}  // namespace

std::vector<String> WrapText(Graphics& g, const String& text, int width, size_t maxLines) {
  const QFont font = FontFor(g.TextFont, g.TextSize, g.Bold, g.Italic, g.Underline);
  std::vector<String> lines;
  for (const QString& paragraph : CRToLF(text).split(u'\n')) {
    if (lines.size() >= maxLines) break;
    WrapParagraph(paragraph, font, std::max(width, 1), maxLines, lines);
  }
  return lines;
}

}  // namespace fw
