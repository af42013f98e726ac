// Renders the two lamp pictures (green for on, red for off) and writes them as baseline JFIF
// files: make_lamps <output folder>. Run by hand when the artwork changes; the results are
// kept in resources/ so that a build never depends on this program.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// After <cstdio>: the library header uses FILE and size_t without declaring them.
#include <jpeglib.h>

namespace {

constexpr int kWidth = 32;
constexpr int kHeight = 33;
constexpr int kSamplesPerSide = 4; // supersampling for smooth edges
constexpr int kQuality = 92;

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(const Rgb& c, double f) {
    return {c.r * f, c.g * f, c.b * f};
}

const Rgb kBackground{236, 236, 236};
const Rgb kWhite{255, 255, 255};

// Colour of one point of the picture: a round lamp in a dark metal bezel, lit from the top left.
Rgb Shade(double x, double y, const Rgb& glass) {
    const double cx = kWidth / 2.0;
    const double cy = kHeight / 2.0;
    const double radius = 14.5;
    const double dx = (x - cx) / radius;
    const double dy = (y - cy) / radius;
    const double r = std::sqrt(dx * dx + dy * dy);

    if (r > 1.0) {
        // A faint shadow below and right of the bezel so the lamp sits on the panel.
        const double sx = (x - cx - 1.2) / radius;
        const double sy = (y - cy - 1.6) / radius;
        const double s = std::sqrt(sx * sx + sy * sy);
        const double shadow = std::clamp((1.12 - s) / 0.12, 0.0, 1.0) * 0.35;
        return Scale(kBackground, 1.0 - shadow);
    }

    constexpr double kGlassEdge = 0.80;
    if (r > kGlassEdge) {
        // Bezel: a ring that is light where it faces the light and dark on the far side.
        const double facing = std::clamp(0.5 - 0.5 * (dx + dy) / std::max(r, 1e-6), 0.0, 1.0);
        const double inner = (r - kGlassEdge) / (1.0 - kGlassEdge); // 0 at glass, 1 at rim
        const double level = 45 + 120 * facing * (1.0 - 0.5 * std::abs(inner - 0.5));
        return {level, level, level + 6};
    }

    // Glass: a sphere cap with diffuse light, a soft glow from inside and a specular spot.
    const double gx = dx / kGlassEdge;
    const double gy = dy / kGlassEdge;
    const double gz = std::sqrt(std::max(0.0, 1.0 - gx * gx - gy * gy));
    const double lx = -0.45;
    const double ly = -0.55;
    const double lz = 0.70;
    const double norm = std::sqrt(lx * lx + ly * ly + lz * lz);
    const double diffuse = std::max(0.0, (gx * lx + gy * ly + gz * lz) / norm);
    Rgb colour = Scale(glass, 0.30 + 0.80 * diffuse);
    const double glow = std::max(0.0, 1.0 - (gx * gx + gy * gy)) * 0.25;
    colour = Mix(colour, glass, glow);
    // Reflection vector of the light about the normal, seen from straight ahead.
    const double dot = (gx * lx + gy * ly + gz * lz) / norm;
    const double rz = 2 * dot * gz - lz / norm;
    const double specular = std::pow(std::max(0.0, rz), 24.0);
    colour = Mix(colour, kWhite, std::min(1.0, specular * 0.95));
    // Darken the very edge of the glass where it meets the bezel.
    const double edge = std::clamp((std::sqrt(gx * gx + gy * gy) - 0.85) / 0.15, 0.0, 1.0);
    return Scale(colour, 1.0 - 0.35 * edge);
}

std::vector<unsigned char> Render(const Rgb& glass) {
    std::vector<unsigned char> pixels(static_cast<size_t>(kWidth) * kHeight * 3);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            Rgb sum;
            for (int sy = 0; sy < kSamplesPerSide; ++sy) {
                for (int sx = 0; sx < kSamplesPerSide; ++sx) {
                    const Rgb c = Shade(x + (sx + 0.5) / kSamplesPerSide,
                                        y + (sy + 0.5) / kSamplesPerSide, glass);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            }
            const double n = kSamplesPerSide * kSamplesPerSide;
            const std::array<double, 3> channels{sum.r / n, sum.g / n, sum.b / n};
            for (int k = 0; k < 3; ++k) {
                pixels[(static_cast<size_t>(y) * kWidth + x) * 3 + k] =
                    static_cast<unsigned char>(std::lround(std::clamp(channels[k], 0.0, 255.0)));
            }
        }
    }
    return pixels;
}

// Baseline JFIF without chroma subsampling: at 32 pixels across, halving the colour
// resolution would smear the lamp's edge.
std::vector<unsigned char> Compress(const std::vector<unsigned char>& pixels) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = kWidth;
    info.image_height = kHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kQuality, TRUE);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    info.write_JFIF_header = TRUE;

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(&pixels[info.next_scanline * kWidth * 3]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    std::vector<unsigned char> jfif(buffer, buffer + size);
    std::free(buffer);
    return jfif;
}

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const struct {
        const char* name;
        Rgb glass;
    } lamps[] = {{"green.jpg", {40, 215, 50}}, {"red.jpg", {225, 35, 30}}};
    for (const auto& lamp : lamps) {
        const std::string path = folder + "/" + lamp.name;
        if (!WriteFile(path, Compress(Render(lamp.glass)))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
