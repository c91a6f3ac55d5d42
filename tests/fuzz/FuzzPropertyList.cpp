// Any bytes read as a property list: a clear error, or values that, written, read and written again, give
// the same bytes. A reader that misplaced a byte or a field would not write back what it read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "gui/PropertyList.h"

namespace {

using T = gui::PropertyType;

// One property of every type, with two integers to let names differ in case.
constexpr std::pair<std::string_view, T> kProperties[] = {
    {"Name", T::Text},        {"Left", T::Integer},      {"Visible", T::Boolean},
    {"TextColor", T::Colour}, {"FontSize", T::Single},   {"BorderThickness", T::Double},
    {"FontUnit", T::Byte},    {"MacProcId", T::Integer},
};

const gui::PropertyTable& Table() {
    static const gui::PropertyTable table{kProperties[0], kProperties[1], kProperties[2], kProperties[3],
                                          kProperties[4], kProperties[5], kProperties[6], kProperties[7]};
    return table;
}

// The values read, in the table's order, through the writer.
std::string Write(const gui::PropertyValues& values) {
    gui::PropertyListWriter writer;
    for (const auto& [name, type] : kProperties) {
        const gui::PropertyValue* value = values.Find(name);
        if (!value) continue;
        std::visit(
            [&, name = name](const auto& v) {
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, std::string>) writer.Text(name, v);
                if constexpr (std::is_same_v<V, std::int64_t>) writer.Integer(name, v);
                if constexpr (std::is_same_v<V, bool>) writer.Boolean(name, v);
                if constexpr (std::is_same_v<V, gui::Color>) writer.Colour(name, v);
                if constexpr (std::is_same_v<V, float>) writer.Single(name, v);
                if constexpr (std::is_same_v<V, double>) writer.Double(name, v);
                if constexpr (std::is_same_v<V, std::uint8_t>) writer.Byte(name, v);
            },
            *value);
    }
    return writer.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string written;
    try {
        written = Write(
            gui::PropertyValues::Read(std::string_view(reinterpret_cast<const char*>(data), size), Table()));
    } catch (const gui::PropertyListError&) {
        return 0;
    }
    std::string again;
    try {
        again = Write(gui::PropertyValues::Read(written, Table()));
    } catch (const gui::PropertyListError& error) {
        std::fprintf(stderr, "a list the writer made is refused: %s\n", error.what());
        std::abort();
    }
    if (again != written) {
        std::fprintf(stderr, "written, read and written again, %zu bytes became %zu different ones\n",
                     written.size(), again.size());
        std::abort();
    }
    return 0;
}
