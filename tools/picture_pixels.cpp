// Build step: renders each SVG picture named on the command line at each pixel ratio
// of the list RATIOS ("1,2"), into OUTPUT_FOLDER/<name>@<ratio>.argb, with the
// framework's own renderer. Exit code 1 when a picture cannot be rendered or written.
// Usage: velqora_picture_pixels OUTPUT_FOLDER RATIOS PICTURE.svg...
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

#include "framework/picture_pixels_qt.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER RATIOS PICTURE.svg...\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");  // a build machine need have no display
  QGuiApplication app(argc, argv);
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(".")) return 1;
  QList<int> ratios;
  for (const QString& r : QString::fromLocal8Bit(argv[2]).split(',', Qt::SkipEmptyParts)) ratios << r.toInt();
  for (int i = 3; i < argc; ++i) {
    const QString svg = QString::fromLocal8Bit(argv[i]);
    for (int ratio : ratios) {
      const QImage image = fw::RenderSvgPicture(svg, ratio);
      QSaveFile file(out.filePath(QStringLiteral("%1@%2.argb").arg(QFileInfo(svg).completeBaseName()).arg(ratio)));
      if (image.isNull() || !file.open(QIODevice::WriteOnly) || file.write(fw::PackPixels(image)) < 0 ||
          !file.commit()) {
        std::fprintf(stderr, "%s: cannot render %s at ratio %d\n", argv[0], argv[i], ratio);
        return 1;
      }
    }
  }
  return 0;
}
