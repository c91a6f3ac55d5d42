// Any bytes read as a property list: a clear error, or values that, written, read and written again, give
// the same bytes. A reader that misplaced a byte or a field would not write back what it read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

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
        switch (type) {
            case T::Text:
                if (const auto v = values.Get<std::string>(name)) writer.Text(name, *v);
                break;
            case T::Integer:
                if (const auto v = values.Get<std::int64_t>(name)) writer.Integer(name, *v);
                break;
            case T::Boolean:
                if (const auto v = values.Get<bool>(name)) writer.Boolean(name, *v);
                break;
            case T::Colour:
                if (const auto v = values.Get<gui::Color>(name)) writer.Colour(name, *v);
                break;
            case T::Single:
                if (const auto v = values.Get<float>(name)) writer.Single(name, *v);
                break;
            case T::Double:
                if (const auto v = values.Get<double>(name)) writer.Double(name, *v);
                break;
            case T::Byte:
                if (const auto v = values.Get<std::uint8_t>(name)) writer.Byte(name, *v);
                break;
        }
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
