// The Windows resource script is compiled by the MinGW resource compiler and the .res file read back by a
// parser of our own: the version texts, the manifest and every icon image are checked as Windows finds them.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kIcon = 3, kGroupIcon = 14, kVersion = 16, kManifest = 24;
constexpr int kEnglishUS = 0x0409;

// Little-endian fields; a truncated file is an error, never a read past its end.
class Bytes {
  public:
    explicit Bytes(const QByteArray& data) : data_(data) {}

    std::uint8_t U8() {
        Need(1);
        return std::uint8_t(data_[pos_++]);
    }
    std::uint16_t U16() {
        const unsigned low = U8();
        return std::uint16_t(low | unsigned(U8()) << 8);
    }
    std::uint32_t U32() {
        const std::uint32_t low = U16();
        return low | std::uint32_t(U16()) << 16;
    }
    // A UTF-16 text up to its terminating zero; `first` is a character already read.
    QString Text(std::uint16_t first) {
        QString text;
        for (std::uint16_t c = first; c != 0; c = U16()) text.append(QChar(c));
        return text;
    }
    QString Text() { return Text(U16()); }
    QByteArray Take(qsizetype count) {
        Need(count);
        const QByteArray part = data_.mid(pos_, count);
        pos_ += count;
        return part;
    }
    void AlignTo4() { pos_ = (pos_ + 3) / 4 * 4; }
    void Seek(qsizetype pos) {
        if (pos < 0 || pos > data_.size()) throw std::runtime_error("seek past the end");
        pos_ = pos;
    }
    qsizetype Pos() const { return pos_; }
    bool AtEnd() const { return pos_ >= data_.size(); }

  private:
    void Need(qsizetype count) const {
        if (count < 0 || pos_ + count > data_.size()) throw std::runtime_error("truncated data");
    }

    const QByteArray& data_;
    qsizetype pos_ = 0;
};

// A resource's type or name is a number or a text.
struct Id {
    int number = -1;
    QString text;
};

Id ReadId(Bytes& in) {
    const std::uint16_t first = in.U16();
    if (first == 0xFFFF) return {in.U16(), {}};
    return {-1, in.Text(first)};
}

struct Resource {
    Id type, name;
    int language;
    QByteArray data;
};

// A 32-bit .res file: each resource has a header (sizes, type, name, flags, language), then its data, both
// padded to four bytes. The file opens with an empty resource that only marks the format.
std::vector<Resource> ReadRes(const QByteArray& file) {
    std::vector<Resource> resources;
    Bytes in(file);
    while (!in.AtEnd()) {
        const qsizetype start = in.Pos();
        const std::uint32_t dataSize = in.U32(), headerSize = in.U32();
        Resource r;
        r.type = ReadId(in);
        r.name = ReadId(in);
        in.AlignTo4();
        in.U32();  // data version
        in.U16();  // memory flags
        r.language = in.U16();
        in.Seek(start + headerSize);
        r.data = in.Take(dataSize);
        in.AlignTo4();
        if (r.type.number != 0) resources.push_back(r);
    }
    return resources;
}

// One block of a version resource: a key, a value (text or bytes), and child blocks, each on four bytes.
struct VersionBlock {
    QString key;
    QByteArray value;
    bool isText = false;
    std::vector<VersionBlock> children;

    const VersionBlock& Child(const QString& name) const {
        for (const auto& c : children) {
            if (c.key == name) return c;
        }
        throw std::runtime_error("no version block " + name.toStdString());
    }
    QString Text() const {
        QString text;
        for (qsizetype i = 0; i + 1 < value.size(); i += 2) {
            const auto c = char16_t(std::uint8_t(value[i]) | std::uint8_t(value[i + 1]) << 8);
            if (c == 0) break;
            text.append(QChar(c));
        }
        return text;
    }
};

VersionBlock ReadVersionBlock(Bytes& in) {
    const qsizetype start = in.Pos();
    const std::uint16_t length = in.U16(), valueLength = in.U16(), type = in.U16();
    const qsizetype end = start + length;
    VersionBlock block;
    block.key = in.Text();
    block.isText = type == 1;
    in.AlignTo4();
    // A text's length counts characters, a binary value's bytes; a text never reaches past its block.
    const qsizetype valueBytes =
        std::min<qsizetype>(block.isText ? 2 * valueLength : valueLength, end - in.Pos());
    block.value = in.Take(valueBytes);
    in.AlignTo4();
    while (in.Pos() < end) {
        block.children.push_back(ReadVersionBlock(in));
        in.AlignTo4();
    }
    in.Seek(end);
    return block;
}

std::uint32_t U32At(const QByteArray& data, qsizetype pos) {
    Bytes in(data);
    in.Seek(pos);
    return in.U32();
}

struct Element {
    QString path;  // local names from the root, "assembly/trustInfo/..."
    QString namespaceUri;
    QMap<QString, QString> attributes;
};

std::vector<Element> ReadXml(const QByteArray& xml) {
    std::vector<Element> elements;
    QStringList path;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            path.append(reader.name().toString());
            Element e{path.join('/'), reader.namespaceUri().toString(), {}};
            for (const auto& a : reader.attributes())
                e.attributes[a.name().toString()] = a.value().toString();
            elements.push_back(e);
        } else if (reader.isEndElement()) {
            path.removeLast();
        }
    }
    if (reader.hasError()) throw std::runtime_error("manifest: " + reader.errorString().toStdString());
    return elements;
}

// One image of an icon as stored: a PNG, or a DIB of twice the height holding the colour image and the AND
// mask, decoded here to one image whose masked pixels are clear.
struct IconImage {
    int width = 0, height = 0, bitsPerPixel = 0;
    bool png = false;
    int paletteSize = 0;
    bool sizeAddsUp = false;  // header, palette, colour rows and mask rows are the whole data
    int maskedNotBlack = 0;   // masked palettised pixels must be black, or the screen behind them inverts
    int maskDisagrees = 0;    // a 32-bit image's mask must match its alpha for programs that use the mask
    QImage image;
};

int RowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

IconImage DecodeIconImage(const QByteArray& data) {
    IconImage icon;
    if (data.startsWith("\x89PNG\r\n\x1a\n")) {
        icon.png = true;
        icon.width = int(qFromBigEndian<quint32>(data.constData() + 16));
        icon.height = int(qFromBigEndian<quint32>(data.constData() + 20));
        const int channels[] = {1, 0, 3, 1, 2, 0, 4};
        icon.bitsPerPixel = std::uint8_t(data[24]) * channels[std::min<int>(std::uint8_t(data[25]), 6)];
        icon.sizeAddsUp = true;
        icon.image = QImage::fromData(data, "PNG").convertToFormat(QImage::Format_ARGB32);
        return icon;
    }

    Bytes in(data);
    const std::uint32_t headerSize = in.U32();
    icon.width = int(in.U32());
    icon.height = int(in.U32()) / 2;
    in.U16();  // planes
    icon.bitsPerPixel = in.U16();
    const std::uint32_t compression = in.U32();
    in.Take(12);  // image size and resolution
    const std::uint32_t colours = in.U32();
    in.Seek(headerSize);
    if (compression != 0 || (icon.bitsPerPixel != 8 && icon.bitsPerPixel != 32)) {
        throw std::runtime_error("an icon DIB of a kind this program does not write");
    }

    std::vector<QRgb> palette;
    if (icon.bitsPerPixel == 8) {
        icon.paletteSize = colours == 0 ? 256 : int(colours);
        for (int i = 0; i < icon.paletteSize; ++i) {
            const int b = in.U8(), g = in.U8(), r = in.U8();
            in.U8();
            palette.push_back(qRgb(r, g, b));
        }
    }
    const int w = icon.width, h = icon.height;
    const QByteArray colour = in.Take(qsizetype(RowBytes(w, icon.bitsPerPixel)) * h);
    const QByteArray mask = in.Take(qsizetype(RowBytes(w, 1)) * h);
    icon.sizeAddsUp = in.AtEnd();

    icon.image = QImage(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        const int row = h - 1 - y;  // rows are stored bottom-up
        const char* c = colour.constData() + qsizetype(row) * RowBytes(w, icon.bitsPerPixel);
        const char* m = mask.constData() + qsizetype(row) * RowBytes(w, 1);
        for (int x = 0; x < w; ++x) {
            const bool masked = (std::uint8_t(m[x / 8]) >> (7 - x % 8)) & 1;
            QRgb pixel;
            if (icon.bitsPerPixel == 8) {
                pixel = palette.at(std::uint8_t(c[x]));
                if (masked && (pixel & 0xFFFFFF) != 0) ++icon.maskedNotBlack;
                if (masked) pixel = qRgba(0, 0, 0, 0);
            } else {
                const auto* p = reinterpret_cast<const std::uint8_t*>(c + 4 * x);
                pixel = qRgba(p[2], p[1], p[0], p[3]);
                if (masked != (qAlpha(pixel) < 128)) ++icon.maskDisagrees;
            }
            icon.image.setPixel(x, y, pixel);
        }
    }
    return icon;
}

class WindowsResources : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QFileInfo(TRAVIK_WINDRES).isExecutable()) GTEST_SKIP() << "x86_64-w64-mingw32-windres not found";
        static const std::vector<Resource> compiled = Compile();
        resources_ = &compiled;
    }

    // CTest runs each test in its own process, several at once: each compiles to its own file, and the last
    // one done leaves TravikW.res for a person to look at.
    static std::vector<Resource> Compile() {
        const QString out =
            QString(TRAVIK_ARTIFACTS "/TravikW-%1.res").arg(QCoreApplication::applicationPid());
        QProcess windres;
        windres.start(TRAVIK_WINDRES, {"-I", QFileInfo(TRAVIK_WINDOWS_RC).path(), "-I", TRAVIK_ARTWORK_DIR,
                                       "--input", TRAVIK_WINDOWS_RC, "--output-format=res", "--output", out});
        if (!windres.waitForFinished(60000) || windres.exitStatus() != QProcess::NormalExit ||
            windres.exitCode() != 0) {
            throw std::runtime_error("windres failed: " + windres.readAllStandardError().toStdString());
        }
        QFile file(out);
        if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("no " + out.toStdString());
        const QByteArray bytes = file.readAll();
        file.close();
        std::error_code ignored;
        std::filesystem::rename(out.toStdString(), TRAVIK_ARTIFACTS "/TravikW.res", ignored);
        return ReadRes(bytes);
    }

    std::vector<const Resource*> OfType(int type) const {
        std::vector<const Resource*> found;
        for (const auto& r : *resources_) {
            if (r.type.number == type) found.push_back(&r);
        }
        return found;
    }
    const Resource& Find(int type, int name) const {
        for (const auto* r : OfType(type)) {
            if (r->name.number == name) return *r;
        }
        throw std::runtime_error("no resource " + std::to_string(name) + " of type " + std::to_string(type));
    }

  private:
    const std::vector<Resource>* resources_ = nullptr;
};

TEST_F(WindowsResources, VersionNamesTheProgramInUSEnglish) {
    ASSERT_EQ(OfType(kVersion).size(), 1u);
    const Resource& version = *OfType(kVersion).front();
    EXPECT_EQ(version.language, kEnglishUS);
    Bytes in(version.data);
    const VersionBlock root = ReadVersionBlock(in);
    EXPECT_EQ(root.key, "VS_VERSION_INFO");

    ASSERT_EQ(root.value.size(), 52);
    EXPECT_EQ(U32At(root.value, 0), 0xFEEF04BDu) << "fixed file info signature";
    struct Field {
        const char* what;
        qsizetype offset;
        std::uint32_t expected;
    } fields[] = {
        {"file version, major and minor", 8, 0x00010000},
        {"file version, build and revision", 12, 0},
        {"product version, major and minor", 16, 0x00010000},
        {"product version, build and revision", 20, 0},
        {"file type: application", 36, 1},
    };
    for (const auto& f : fields) EXPECT_EQ(U32At(root.value, f.offset), f.expected) << f.what;

    QMap<QString, QString> strings;
    for (const auto& s : root.Child("StringFileInfo").Child("040904B0").children) strings[s.key] = s.Text();
    const QMap<QString, QString> expected = {
        {"CompanyName", ""},  {"FileDescription", ""}, {"FileVersion", "1.0.0.0"},
        {"InternalName", ""}, {"LegalCopyright", ""},  {"OriginalFilename", "TravikW.exe"},
        {"ProductName", ""},  {"ProductVersion", ""},  {"Release", "Development"},
        {"LongVersion", ""},  {"PackageInfo", ""},
    };
    EXPECT_EQ(strings, expected);

    // Language 0x0409 with code page 1200 (Unicode), two 16-bit numbers.
    EXPECT_EQ(root.Child("VarFileInfo").Child("Translation").value, QByteArray("\x09\x04\xB0\x04", 4));
}

TEST_F(WindowsResources, ManifestRunsAsInvokerWithCommonControls6OnWindows7To10) {
    const std::vector<Element> elements = ReadXml(Find(kManifest, 1).data);
    auto only = [&](const QString& path) {
        std::vector<Element> found;
        for (const auto& e : elements) {
            if (e.path == path) found.push_back(e);
        }
        if (found.size() != 1) throw std::runtime_error("not one " + path.toStdString());
        return found.front();
    };

    const QMap<QString, QString> identity = {
        {"name", "TravikW.exe"}, {"version", "1.0.0.0"}, {"type", "win32"}};
    EXPECT_EQ(only("assembly/assemblyIdentity").attributes, identity);

    const Element level = only("assembly/trustInfo/security/requestedPrivileges/requestedExecutionLevel");
    const QMap<QString, QString> asInvoker = {{"level", "asInvoker"}, {"uiAccess", "false"}};
    EXPECT_EQ(level.attributes, asInvoker);

    const QMap<QString, QString> controls = {
        {"type", "win32"},
        {"name", "Microsoft.Windows.Common-Controls"},
        {"version", "6.0.0.0"},
        {"processorArchitecture", "*"},
        {"publicKeyToken", "6595b64144ccf1df"},
        {"language", "*"},
    };
    EXPECT_EQ(only("assembly/dependency/dependentAssembly/assemblyIdentity").attributes, controls);

    QSet<QString> systems;
    for (const auto& e : elements) {
        if (e.path == "assembly/compatibility/application/supportedOS") systems.insert(e.attributes["Id"]);
    }
    const QSet<QString> windows7To10 = {
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10
    };
    EXPECT_EQ(systems, windows7To10);

    // Windows ignores these sections, silently, outside their own namespaces.
    struct Section {
        const char* path;
        const char* namespaceUri;
    } sections[] = {
        {"assembly", "urn:schemas-microsoft-com:asm.v1"},
        {"assembly/trustInfo", "urn:schemas-microsoft-com:asm.v3"},
        {"assembly/compatibility", "urn:schemas-microsoft-com:compatibility.v1"},
    };
    for (const auto& s : sections) EXPECT_EQ(only(s.path).namespaceUri, s.namespaceUri) << s.path;
}

TEST_F(WindowsResources, IconGroupHoldsThePalettisedThenThe32BitImages) {
    ASSERT_EQ(OfType(kGroupIcon).size(), 1u);
    Bytes in(OfType(kGroupIcon).front()->data);
    EXPECT_EQ(in.U16(), 0);
    EXPECT_EQ(in.U16(), 1) << "an icon group, not a cursor group";
    const int count = in.U16();

    struct Expected {
        int side, bitsPerPixel;
    } expected[] = {{48, 8}, {32, 8}, {16, 8}, {256, 32}, {48, 32}, {32, 32}, {16, 32}};
    ASSERT_EQ(count, int(std::size(expected)));

    for (const auto& e : expected) {
        const int width = in.U8(), height = in.U8();
        in.U8();  // colour count
        in.U8();
        in.U16();  // planes
        const int bitsPerPixel = in.U16();
        const std::uint32_t bytes = in.U32();
        const int id = in.U16();
        const std::string where =
            std::to_string(e.side) + " pixels at " + std::to_string(e.bitsPerPixel) + " bits";

        EXPECT_EQ(width == 0 ? 256 : width, e.side) << where;  // a byte holds no 256: 0 stands for it
        EXPECT_EQ(height == 0 ? 256 : height, e.side) << where;
        EXPECT_EQ(bitsPerPixel, e.bitsPerPixel) << where;

        const Resource& stored = Find(kIcon, id);
        EXPECT_EQ(stored.data.size(), qsizetype(bytes)) << where;
        const IconImage image = DecodeIconImage(stored.data);
        EXPECT_EQ(image.width, e.side) << where;
        EXPECT_EQ(image.height, e.side) << where;
        EXPECT_EQ(image.bitsPerPixel, e.bitsPerPixel) << where;
        EXPECT_TRUE(image.sizeAddsUp) << where;
        if (e.bitsPerPixel == 8) {
            EXPECT_EQ(image.paletteSize, 256) << where;
        }
    }
}

// Every image shows the icon drawn for its size: a flipped row order, swapped colour channels or a wrong mask
// in the encoder shows up here.
TEST_F(WindowsResources, IconImagesShowTheDrawnIcon) {
    Bytes in(OfType(kGroupIcon).front()->data);
    in.Take(4);
    const int count = in.U16();
    for (int i = 0; i < count; ++i) {
        in.Take(12);
        const IconImage icon = DecodeIconImage(Find(kIcon, in.U16()).data);
        const QImage drawn =
            QImage(QString(":/icons/travik-%1.png").arg(icon.width)).convertToFormat(QImage::Format_ARGB32);
        const std::string where =
            std::to_string(icon.width) + " pixels at " + std::to_string(icon.bitsPerPixel) + " bits";
        ASSERT_EQ(icon.image.size(), drawn.size()) << where;
        EXPECT_EQ(icon.maskedNotBlack, 0) << where;
        EXPECT_EQ(icon.maskDisagrees, 0) << where;

        int differing = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb want = drawn.pixel(x, y), got = icon.image.pixel(x, y);
                // A palettised image keeps only whether a pixel shows, and its colour where it does.
                const bool same = icon.bitsPerPixel == 8
                                      ? (qAlpha(want) < 128 ? qAlpha(got) == 0 : got == (want | 0xFF000000))
                                      : (qAlpha(want) == 0 ? qAlpha(got) == 0 : got == want);
                if (!same) ++differing;
            }
        }
        EXPECT_EQ(differing, 0) << where;
    }
}

}  // namespace
