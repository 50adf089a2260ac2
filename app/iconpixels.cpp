// Unpacks a PNG into C++ source that holds its pixels, run by the build for the window icon:
// the game then has no image to decode as it starts. Usage: iconpixels PNG OUTPUT.cpp
#include <QImage>
#include <QString>

#include <cstdio>
#include <fstream>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: iconpixels PNG OUTPUT.cpp\n");
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]), "png");
    if (image.isNull() || image.width() != image.height()) {
        std::fprintf(stderr, "iconpixels: %s is not a square PNG picture\n", argv[1]);
        return 1;
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);

    std::ofstream out(argv[2]);
    out << "// Made by the build from the window icon's PNG (app/iconpixels.cpp).\n"
           "#include \"windowicon.h\"\n\n"
           "namespace quorvane::windowicon {\n\n"
        << "const int size = " << image.width() << ";\n"
        << "const unsigned int pixels[] = {";
    char word[16];
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            std::snprintf(word, sizeof word, "0x%08x,", row[x]);
            out << ((x % 8 == 0) ? "\n    " : " ") << word;
        }
    }
    out << "\n};\n\n} // namespace quorvane::windowicon\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "iconpixels: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
