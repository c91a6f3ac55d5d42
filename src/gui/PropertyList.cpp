#include "gui/PropertyList.h"

#include <bit>
#include <cctype>
#include <cstring>

namespace gui {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const { return at_ >= bytes_.size(); }
    std::size_t Offset() const { return at_; }

    std::string_view Name() {
        const std::size_t start = at_;
        while (at_ < bytes_.size() && bytes_[at_] != ' ') {
            if (!IsNameChar(bytes_[at_])) Fail(start, "a property name of letters and digits");
            ++at_;
        }
        if (at_ == start) Fail(start, "a property name");
        if (at_ >= bytes_.size()) Fail(start, "a blank after the property name");
        const std::string_view name = bytes_.substr(start, at_ - start);
        ++at_;
        return name;
    }

    std::uint64_t Unsigned(std::size_t size, std::string_view what) {
        if (bytes_.size() - at_ < size) Fail(at_, what);
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < size; ++i) {
            value |= std::uint64_t{static_cast<unsigned char>(bytes_[at_ + i])} << (8 * i);
        }
        at_ += size;
        return value;
    }

    std::string Text() {
        const std::size_t length = Unsigned(4, "a 4-byte text length");
        if (bytes_.size() - at_ < length) Fail(at_, "the text's " + std::to_string(length) + " bytes");
        std::string text(bytes_.substr(at_, length));
        at_ += length;
        return text;
    }

    [[noreturn]] static void Fail(std::size_t offset, std::string_view expected) {
        throw PropertyListError("property list: expected " + std::string(expected) + " at byte " +
                                std::to_string(offset));
    }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

}  // namespace

void PropertyListWriter::Name(std::string_view name) {
    bytes_.append(name);
    bytes_.push_back(' ');
}

template <class T>
void PropertyListWriter::Raw(T value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

PropertyListWriter& PropertyListWriter::Text(std::string_view name, std::string_view value) {
    Name(name);
    Raw(static_cast<std::uint32_t>(value.size()), 4);
    bytes_.append(value);
    return *this;
}

PropertyListWriter& PropertyListWriter::Integer(std::string_view name, std::int64_t value) {
    Name(name);
    Raw(static_cast<std::uint64_t>(value), 8);
    return *this;
}

PropertyListWriter& PropertyListWriter::Boolean(std::string_view name, bool value) {
    Name(name);
    bytes_.push_back(value ? 1 : 0);
    return *this;
}

PropertyListWriter& PropertyListWriter::Colour(std::string_view name, Color value) {
    Name(name);
    bytes_.push_back(static_cast<char>(value.blue));
    bytes_.push_back(static_cast<char>(value.green));
    bytes_.push_back(static_cast<char>(value.red));
    bytes_.push_back(static_cast<char>(value.alpha));
    return *this;
}

PropertyListWriter& PropertyListWriter::Single(std::string_view name, float value) {
    Name(name);
    Raw(std::bit_cast<std::uint32_t>(value), 4);
    return *this;
}

PropertyListWriter& PropertyListWriter::Double(std::string_view name, double value) {
    Name(name);
    Raw(std::bit_cast<std::uint64_t>(value), 8);
    return *this;
}

PropertyListWriter& PropertyListWriter::Byte(std::string_view name, std::uint8_t value) {
    Name(name);
    bytes_.push_back(static_cast<char>(value));
    return *this;
}

PropertyTable::PropertyTable(std::initializer_list<std::pair<std::string_view, PropertyType>> entries) {
    for (const auto& [name, type] : entries) byLowerName_[Lower(name)] = {std::string(name), type};
}

PropertyTable::PropertyTable(const PropertyTable& base,
                             std::initializer_list<std::pair<std::string_view, PropertyType>> more)
    : byLowerName_(base.byLowerName_) {
    for (const auto& [name, type] : more) byLowerName_[Lower(name)] = {std::string(name), type};
}

const std::pair<std::string, PropertyType>* PropertyTable::Find(std::string_view name) const {
    const auto found = byLowerName_.find(Lower(name));
    return found == byLowerName_.end() ? nullptr : &found->second;
}

PropertyValues PropertyValues::Read(std::string_view list, const PropertyTable& table) {
    PropertyValues values;
    Reader reader(list);
    while (!reader.AtEnd()) {
        const std::size_t start = reader.Offset();
        const std::string_view name = reader.Name();
        const auto* declared = table.Find(name);
        if (!declared) {
            throw PropertyListError("property list: no property \"" + std::string(name) + "\" at byte " +
                                    std::to_string(start));
        }
        PropertyValue value;
        switch (declared->second) {
            case PropertyType::Text:
                value = reader.Text();
                break;
            case PropertyType::Integer:
                value =
                    static_cast<std::int64_t>(reader.Unsigned(8, "an 8-byte integer for " + declared->first));
                break;
            case PropertyType::Boolean: {
                const auto b = reader.Unsigned(1, "a boolean for " + declared->first);
                if (b > 1) Reader::Fail(reader.Offset() - 1, "a boolean 0 or 1 for " + declared->first);
                value = b == 1;
                break;
            }
            case PropertyType::Colour: {
                const auto bgr = reader.Unsigned(4, "a colour for " + declared->first);
                value = RGB(static_cast<int>((bgr >> 16) & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                            static_cast<int>(bgr & 0xFF), static_cast<int>(bgr >> 24));
                break;
            }
            case PropertyType::Single:
                value = std::bit_cast<float>(
                    static_cast<std::uint32_t>(reader.Unsigned(4, "a 4-byte single for " + declared->first)));
                break;
            case PropertyType::Double:
                value = std::bit_cast<double>(reader.Unsigned(8, "an 8-byte double for " + declared->first));
                break;
            case PropertyType::Byte:
                value = static_cast<std::uint8_t>(reader.Unsigned(1, "a byte for " + declared->first));
                break;
        }
        values.values_[declared->first] = std::move(value);
    }
    return values;
}

const PropertyValue* PropertyValues::Find(std::string_view declaredName) const {
    const auto found = values_.find(declaredName);
    return found == values_.end() ? nullptr : &found->second;
}

std::optional<double> PropertyValues::Number(const PropertyValue& value) {
    if (const auto* f = std::get_if<float>(&value)) return *f;
    if (const auto* d = std::get_if<double>(&value)) return *d;
    if (const auto* b = std::get_if<std::uint8_t>(&value)) return *b;
    return std::nullopt;
}

}  // namespace gui
