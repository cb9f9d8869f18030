// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time helper: writes the program's icon as PNG files of the given sizes. Not installed.
//
//   vantrel-mkicons OUTDIR SIZE...
#include "components/trayiconcomp.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: vantrel-mkicons OUTDIR SIZE...\n");
        return 2;
    }
    const QIcon icon = vantrelIcon();
    for (int i = 2; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        const QString file = QDir(QString::fromLocal8Bit(argv[1]))
                                 .filePath(QStringLiteral("vantrel-%1.png").arg(size));
        if (size <= 0 || !icon.pixmap(size, size).save(file)) {
            std::fprintf(stderr, "vantrel-mkicons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
