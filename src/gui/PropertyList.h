#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "gui/Color.h"

namespace gui {

// A layout travels as a property list: entries of name, one blank, then the value, with nothing between
// entries and no end mark. A value has no type tag: the property's name, and for `Value` the class, fix it.
//   text     4-byte little-endian length, then that many bytes of UTF-8
//   integer  8 bytes, signed, little-endian (also every code such as TickMarkStyle)
//   boolean  1 byte, 0 or 1
//   colour   4 bytes: blue, green, red, 0
//   single   4-byte IEEE 754 (FontSize); double 8-byte IEEE 754 (BorderThickness); byte 1 byte (FontUnit)
enum class PropertyType { Text, Integer, Boolean, Colour, Single, Double, Byte };

using PropertyValue = std::variant<std::string, std::int64_t, bool, Color, float, double, std::uint8_t>;

// A list that cannot be read: truncated, a name that is no name, or a property the class does not have.
class PropertyListError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class PropertyListWriter {
  public:
    PropertyListWriter& Text(std::string_view name, std::string_view value);
    PropertyListWriter& Integer(std::string_view name, std::int64_t value);
    PropertyListWriter& Boolean(std::string_view name, bool value);
    PropertyListWriter& Colour(std::string_view name, Color value);
    PropertyListWriter& Single(std::string_view name, float value);
    PropertyListWriter& Double(std::string_view name, double value);
    PropertyListWriter& Byte(std::string_view name, std::uint8_t value);

    const std::string& Bytes() const { return bytes_; }

  private:
    void Name(std::string_view name);
    template <class T>
    void Raw(T value, std::size_t size);

    std::string bytes_;
};

// The properties one class has, by name, with their types. Names match regardless of case, as the
// runtime accepts `MacProcID` for `MacProcId`.
class PropertyTable {
  public:
    PropertyTable(std::initializer_list<std::pair<std::string_view, PropertyType>> entries);
    PropertyTable(const PropertyTable& base,
                  std::initializer_list<std::pair<std::string_view, PropertyType>> more);

    // The declared spelling and type of `name`, or nothing when the class has no such property.
    const std::pair<std::string, PropertyType>* Find(std::string_view name) const;

  private:
    std::map<std::string, std::pair<std::string, PropertyType>> byLowerName_;
};

// The entries of a list, read completely before anything is applied. A property given twice keeps its last
// value; names are the declared spellings.
class PropertyValues {
  public:
    static PropertyValues Read(std::string_view list, const PropertyTable& table);

    // The value of `name` when the list gives it as a T, else nothing. A double reads any number: a single,
    // double or byte property.
    template <class T>
    std::optional<T> Get(std::string_view name) const {
        const PropertyValue* value = Find(name);
        if (!value) return std::nullopt;
        if constexpr (std::is_same_v<T, double>) {
            return Number(*value);
        } else {
            const T* typed = std::get_if<T>(value);
            return typed ? std::optional<T>(*typed) : std::nullopt;
        }
    }

  private:
    const PropertyValue* Find(std::string_view declaredName) const;
    static std::optional<double> Number(const PropertyValue& value);

    std::map<std::string, PropertyValue, std::less<>> values_;
};

}  // namespace gui
