// Any bytes read as a property list: a clear error or the values, never a crash or a read past the end.
#include <cstdint>
#include <string_view>

#include "gui/PropertyList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using T = gui::PropertyType;
    static const gui::PropertyTable table{{"Name", T::Text},       {"Left", T::Integer},
                                          {"Visible", T::Boolean}, {"TextColor", T::Colour},
                                          {"FontSize", T::Single}, {"BorderThickness", T::Double},
                                          {"FontUnit", T::Byte},   {"MacProcId", T::Integer}};
    try {
        const auto values =
            gui::PropertyValues::Read(std::string_view(reinterpret_cast<const char*>(data), size), table);
        (void)values.Get<std::string>("Name");
        (void)values.Get<double>("FontSize");
    } catch (const gui::PropertyListError&) {
    }
    return 0;
}
