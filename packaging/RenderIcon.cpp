// Renders the application icon's SVG into the square PNG sizes of the hicolor
// icon theme, so that the SVG stays the icon's only source.
//
//   vw_render_icon <icon.svg> <side> <out.png> [<side> <out.png> ...]

#include <cstdio>
#include <exception>
#include <string>

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace {

// The largest icon the hicolor theme names a folder for (pixels).
constexpr int kMaxSide = 1024;

bool RenderOne(QSvgRenderer& renderer, int side, const QString& output) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, side, side));
    }
    return image.save(output, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: %s <icon.svg> <side> <out.png> [<side> <out.png> ...]\n",
                     argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read the SVG %s\n", argv[0], argv[1]);
        return 1;
    }
    for (int i = 2; i + 1 < argc; i += 2) {
        std::size_t used = 0;
        int side = 0;
        try {
            side = std::stoi(argv[i], &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used == 0 || argv[i][used] != '\0' || side < 1 || side > kMaxSide) {
            std::fprintf(stderr, "%s: %s is not an icon size (1 to %d pixels)\n", argv[0], argv[i],
                         kMaxSide);
            return 2;
        }
        if (!RenderOne(renderer, side, QString::fromLocal8Bit(argv[i + 1]))) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
