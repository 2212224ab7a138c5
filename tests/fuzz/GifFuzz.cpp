// A bounded random-mutation fuzz driver for the picture decoder. It damages a
// few well-formed GIF files (bit flips, bytes set, inserted and removed,
// truncation, changed sizes and block lengths) from a fixed seed, decodes each
// result from an exact-size buffer, and checks what comes back. Built with the
// sanitizers, any read or write out of bounds ends the run with a report.
//
//   gif_fuzz_test [count [seed]]   (or GIF_FUZZ_COUNT / GIF_FUZZ_SEED)
#include "menus/GifDecoder.h"
#include "menus/PicturePixels.h"

#include "common/GifBuilder.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using gif::Bytes;

constexpr long long kDefaultCount = 20000;
constexpr std::uint64_t kDefaultSeed = 0x5EED0F61F;

class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed | 1) {}
    std::uint64_t Next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
    std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : static_cast<std::size_t>(Next() % bound); }
    BYTE Byte() { return static_cast<BYTE>(Next()); }

private:
    std::uint64_t state;
};

std::vector<Bytes> SeedFiles() {
    std::vector<Bytes> seeds;
    seeds.push_back(gif::MakeGif(4, 4, gif::Colours(1), gif::PatternPixels(4, 4, 4)));
    seeds.push_back(gif::MakeGif(16, 16, gif::Colours(3), gif::PatternPixels(16, 16, 16), 0, 9));
    seeds.push_back(gif::MakeGif(64, 40, gif::Colours(7), gif::PatternPixels(64, 40, 256, 7)));
    seeds.push_back(gif::MakeGif(90, 30, gif::Colours(0), Bytes(2700, 1)));
    Bytes withExtras = gif::Header(6, 5, 2);
    gif::AppendColours(withExtras, gif::Colours(2));
    withExtras.insert(withExtras.end(), {0x21, 0xF9, 4, 0x01, 0x2C, 0x00, 0x07, 0});
    gif::AppendImageDescriptor(withExtras, 6, 5, 1);
    gif::AppendColours(withExtras, gif::Colours(1));
    gif::AppendImageData(withExtras, 3, gif::EncodeLzw(3, gif::PatternPixels(6, 5, 8)), 4);
    withExtras.push_back(0x3B);
    seeds.push_back(withExtras);
    return seeds;
}

void Mutate(Bytes& file, Random& random) {
    const std::size_t rounds = 1 + random.Below(4);
    for (std::size_t round = 0; round < rounds; ++round) {
        const std::size_t at = random.Below(file.size() + 1);
        switch (random.Below(8)) {
            case 0:  // flip a bit
                if (at < file.size()) {
                    file[at] = static_cast<BYTE>(file[at] ^ (1u << random.Below(8)));
                }
                break;
            case 1:  // set a byte
                if (at < file.size()) {
                    file[at] = random.Byte();
                }
                break;
            case 2:  // insert bytes
                file.insert(file.begin() + static_cast<std::ptrdiff_t>(at), 1 + random.Below(4), random.Byte());
                break;
            case 3:  // remove bytes
                file.erase(file.begin() + static_cast<std::ptrdiff_t>(at),
                           file.begin() + static_cast<std::ptrdiff_t>(std::min(file.size(), at + 1 + random.Below(4))));
                break;
            case 4:  // truncate
                file.resize(at);
                break;
            case 5: {  // the size, the packed fields, the minimum code size
                static const std::size_t fields[] = {6, 7, 8, 9, 10};
                const std::size_t field = fields[random.Below(5)];
                if (field < file.size()) {
                    static const BYTE extremes[] = {0, 1, 2, 7, 8, 9, 12, 0x7F, 0x80, 0xFF};
                    file[field] = random.Below(2) == 0 ? extremes[random.Below(10)] : random.Byte();
                }
                break;
            }
            case 6:  // a block length or code size past the colour table: small, zero or 255
                if (file.size() > 13) {
                    const std::size_t pos = 13 + random.Below(file.size() - 13);
                    static const BYTE lengths[] = {0, 1, 2, 11, 12, 13, 254, 255};
                    file[pos] = lengths[random.Below(8)];
                }
                break;
            default:  // repeat a piece
                if (at < file.size()) {
                    const std::size_t length = std::min(file.size() - at, 1 + random.Below(32));
                    const Bytes piece(file.begin() + static_cast<std::ptrdiff_t>(at),
                                      file.begin() + static_cast<std::ptrdiff_t>(at + length));
                    file.insert(file.begin() + static_cast<std::ptrdiff_t>(random.Below(file.size() + 1)),
                                piece.begin(), piece.end());
                }
                break;
        }
    }
}

// The input in a buffer of exactly its size, so a read past it is caught.
std::unique_ptr<BYTE[]> ExactCopy(const Bytes& file) {
    std::unique_ptr<BYTE[]> copy(new BYTE[file.size() == 0 ? 1 : file.size()]);
    if (!file.empty()) {
        std::memcpy(copy.get(), file.data(), file.size());
    }
    return copy;
}

// Reads every index back; a wrong invariant is a failure.
bool CheckImage(bool decoded, const GifImage& image) {
    if (!decoded) {
        return image.IsEmpty() && image.width == 0 && image.height == 0;
    }
    if (image.IsEmpty() || image.width <= 0 || image.height <= 0 || image.PixelCount() > kMaxGifPixels ||
        image.decodedPixels < 0 || image.decodedPixels > image.PixelCount() || image.colours.count < 2 ||
        image.colours.count > Palette::kMaxEntries) {
        return false;
    }
    // Every decoded index, and the undecoded rest at its two ends: a large
    // empty screen would otherwise cost the run more than the decoding does.
    const long long count = image.PixelCount();
    unsigned sum = 0;
    for (long long i = 0; i < image.decodedPixels; ++i) {
        sum += image.indices[static_cast<std::size_t>(i)];
    }
    for (const long long i : {image.decodedPixels, count - 1}) {
        if (i < count && i >= image.decodedPixels && image.indices[static_cast<std::size_t>(i)] != 0) {
            return false;
        }
    }
    return sum != 0xFFFFFFFFu;  // uses the sum, so the reads stay
}

bool CheckPicture(bool made, const PicturePixels& picture) {
    if (!made) {
        return picture.IsEmpty();
    }
    if (picture.IsEmpty() || picture.maskColours.count < 2) {
        return false;
    }
    // The records the drawing side reads first and last, with their palette entries.
    const long long count = static_cast<long long>(picture.width) * picture.height;
    unsigned sum = 0;
    for (const long long i : {0LL, count / 2, count - 1}) {
        const PixelRecord& record = picture.pixels[static_cast<std::size_t>(i)];
        sum += picture.colours.entries[record.colourIndex].red + picture.maskColours.entries[record.maskIndex].blue;
    }
    return sum != 0xFFFFFFFFu;
}

long long FromArgOrEnv(int argc, char** argv, int index, const char* name, long long fallback) {
    const char* text = argc > index ? argv[index] : std::getenv(name);
    if (text == nullptr || *text == 0) {
        return fallback;
    }
    return std::strtoll(text, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
    const long long count = FromArgOrEnv(argc, argv, 1, "GIF_FUZZ_COUNT", kDefaultCount);
    const auto seed = static_cast<std::uint64_t>(FromArgOrEnv(argc, argv, 2, "GIF_FUZZ_SEED",
                                                              static_cast<long long>(kDefaultSeed)));
    const std::vector<Bytes> seeds = SeedFiles();
    Random random(seed);
    const auto start = std::chrono::steady_clock::now();

    long long failed = 0;
    long long decoded = 0;
    Bytes previous = seeds[0];
    for (long long n = 0; n < count; ++n) {
        Bytes file = seeds[random.Below(seeds.size())];
        Mutate(file, random);
        const auto input = ExactCopy(file);
        const auto mask = ExactCopy(previous);

        GifImage image;
        const bool ok = DecodeGif(input.get(), file.size(), image);
        PicturePixels plain;
        const bool madePlain = MakePicturePixels(input.get(), file.size(), plain);
        PicturePixels masked;
        const bool madeMasked = MakePicturePixels(input.get(), file.size(), mask.get(), previous.size(), masked);
        if (!CheckImage(ok, image) || !CheckPicture(madePlain, plain) || !CheckPicture(madeMasked, masked) ||
            madePlain != ok || madeMasked != ok) {
            if (++failed <= 10) {
                std::fprintf(stderr, "input %lld (%zu bytes) broke an invariant\n", n, file.size());
            }
        }
        decoded += ok ? 1 : 0;
        previous = std::move(file);
    }

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("gif fuzz: %lld inputs from seed 0x%llx, %lld decoded, %lld failed, %.1f s\n", count,
                static_cast<unsigned long long>(seed), decoded, failed, seconds);
    return failed == 0 ? 0 : 1;
}
