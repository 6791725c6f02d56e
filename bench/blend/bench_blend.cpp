// Speed of the wallpaper's picture work: the blend of a memo capture onto backgrounds of two screen
// sizes, against a plain per-pixel version, and JPEG encoding and decoding of a 4K picture through Qt
// (alone, and as JpgToBmp does it from file to bitmap file).
// `bench_blend --write-picture=FILE.ppm` writes the 4K picture for jpeg_vs_cjpeg.sh and exits.

#include "mixpic.h"
#include "uglobal.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

namespace {

// A memo as captured: white paper, rows of dark "text" strokes and a few coloured markers.
QImage memoCapture()
{
    QImage image(1280, 800, QImage::Format_RGB32);
    image.fill(Qt::white);
    quint32 seed = 12345;
    for (int line = 20; line + 14 < image.height(); line += 24) {
        for (int x = 16; x < image.width() - 16; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int ink = (seed >> 24) % 4 == 0 ? 0 : 1; // gaps between words
            for (int y = line; y < line + 14 && ink; ++y) {
                if ((seed >> (y - line)) & 1)
                    image.setPixel(x, y, (x / 200) % 3 == 2 ? qRgb(200, 30, 30) : qRgb(20, 20, 20));
            }
        }
    }
    return image;
}

// A photograph-like picture: smooth colour waves with some grain.
QImage scenery(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 seed = 987654321;
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 28) - 8;
            const double u = double(x) / width, v = double(y) / height;
            const int r = int(128 + 90 * std::sin(6.0 * u + 2.0 * v)) + grain;
            const int g = int(128 + 90 * std::sin(4.0 * v - 3.0 * u + 1.0)) + grain;
            const int b = int(128 + 90 * std::cos(5.0 * (u + v))) + grain;
            row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return image;
}

// The blend as one would write it first: per-pixel calls, no row access.
void naiveMix(QImage &base, const QImage &overlay, QPoint origin, int percentage)
{
    for (int y = 0; y < overlay.height(); ++y) {
        for (int x = 0; x < overlay.width(); ++x) {
            const QRgb s = overlay.pixel(x, y);
            if ((s & 0xFFFFFF) == 0xFFFFFF)
                continue;
            const QRgb d = base.pixel(origin.x() + x, origin.y() + y);
            const auto mix = [&](int sv, int dv) { return dv + percentage * (sv - dv) / 100; };
            base.setPixel(origin.x() + x, origin.y() + y,
                          qRgba(mix(qRed(s), qRed(d)), mix(qGreen(s), qGreen(d)), mix(qBlue(s), qBlue(d)),
                                mix(qAlpha(s), qAlpha(d))));
        }
    }
}

void BM_MixPic(benchmark::State &state)
{
    QImage content = memoCapture();
    QImage background = scenery(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        QImage &result = mixpic::mixPictures(content, background, 30, 50, false);
        benchmark::DoNotOptimize(result.constBits());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * content.width() * content.height());
}
BENCHMARK(BM_MixPic)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

void BM_MixPicNaive(benchmark::State &state)
{
    const QImage content = memoCapture();
    QImage background = scenery(int(state.range(0)), int(state.range(1)));
    const QPoint origin(background.width() - content.width() - 50, 30);
    for (auto _ : state) {
        naiveMix(background, content, origin, 50);
        benchmark::DoNotOptimize(background.constBits());
    }
    state.SetItemsProcessed(state.iterations() * content.width() * content.height());
}
BENCHMARK(BM_MixPicNaive)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

const QImage &uhdPicture()
{
    static const QImage picture = scenery(3840, 2160);
    return picture;
}

QByteArray encodeJpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.write(image);
    return bytes;
}

void BM_JpegEncodeQ90(benchmark::State &state)
{
    const QImage &picture = uhdPicture();
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeJpeg(picture).size());
    state.SetItemsProcessed(state.iterations() * picture.width() * picture.height());
}
BENCHMARK(BM_JpegEncodeQ90)->Unit(benchmark::kMillisecond);

void BM_JpegDecode(benchmark::State &state)
{
    QByteArray bytes = encodeJpeg(uhdPicture());
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "jpeg");
        const QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 3840 * 2160);
}
BENCHMARK(BM_JpegDecode)->Unit(benchmark::kMillisecond);

// The last step of an apply: the wallpaper's JPEG decoded back into its bitmap file.
void BM_JpgToBmp(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString jpeg = folder.filePath(QStringLiteral("Mix.Jpg"));
    QFile file(jpeg);
    if (!file.open(QIODevice::WriteOnly) || file.write(encodeJpeg(uhdPicture())) < 0) {
        state.SkipWithError("cannot write the JPEG file");
        return;
    }
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(JpgToBmp(jpeg));
    state.SetItemsProcessed(state.iterations() * 3840 * 2160);
}
BENCHMARK(BM_JpgToBmp)->Unit(benchmark::kMillisecond);

int writePicture(const char *path)
{
    return QImageWriter(QString::fromLocal8Bit(path), "ppm").write(uhdPicture()) ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    constexpr const char *writeOption = "--write-picture=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], writeOption, std::strlen(writeOption)) == 0)
            return writePicture(argv[i] + std::strlen(writeOption));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
