#include "gui/PropertyList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace gui;

namespace {

using T = PropertyType;

const PropertyTable& Table() {
    static const PropertyTable table{{"Name", T::Text},       {"Left", T::Integer},
                                     {"Visible", T::Boolean}, {"TextColor", T::Colour},
                                     {"FontSize", T::Single}, {"BorderThickness", T::Double},
                                     {"FontUnit", T::Byte},   {"MacProcId", T::Integer}};
    return table;
}

// The sample list, and the byte offsets at which each of its entries ends.
std::string SampleList(std::vector<std::size_t>* entryEnds = nullptr) {
    PropertyListWriter list;
    const auto mark = [&] {
        if (entryEnds) entryEnds->push_back(list.Bytes().size());
    };
    list.Text("Name", "Canvas1");
    mark();
    list.Integer("Left", -2147483648LL);
    mark();
    list.Boolean("Visible", true);
    mark();
    list.Colour("TextColor", RGB(0, 64, 128));
    mark();
    list.Single("FontSize", 12);
    mark();
    list.Double("BorderThickness", 1.0);
    mark();
    list.Byte("FontUnit", 0);
    mark();
    return list.Bytes();
}

// Whether the list gave `name`, asked for as its declared type.
bool Given(const PropertyValues& values, std::string_view name) {
    switch (Table().Find(name)->second) {
        case T::Text:
            return values.Get<std::string>(name).has_value();
        case T::Integer:
            return values.Get<std::int64_t>(name).has_value();
        case T::Boolean:
            return values.Get<bool>(name).has_value();
        case T::Colour:
            return values.Get<Color>(name).has_value();
        case T::Single:
        case T::Double:
        case T::Byte:
            return values.Get<double>(name).has_value();
    }
    return false;
}

const char* const kSampleNames[] = {"Name",    "Left", "Visible", "TextColor", "FontSize", "BorderThickness",
                                    "FontUnit"};

TEST(PropertyList, EveryTypeReadsBackAsWritten) {
    const PropertyValues values = PropertyValues::Read(SampleList(), Table());
    EXPECT_EQ(values.Get<std::string>("Name"), "Canvas1");
    EXPECT_EQ(values.Get<std::int64_t>("Left"), -2147483648LL);
    EXPECT_EQ(values.Get<bool>("Visible"), true);
    EXPECT_EQ(values.Get<Color>("TextColor"), RGB(0, 64, 128));
    EXPECT_EQ(values.Get<double>("FontSize"), 12);
    EXPECT_EQ(values.Get<double>("BorderThickness"), 1.0);
    EXPECT_EQ(values.Get<double>("FontUnit"), 0);
    // A property the list does not give, or one asked for as another type, is nothing.
    EXPECT_EQ(values.Get<std::int64_t>("MacProcId"), std::nullopt);
    EXPECT_EQ(values.Get<bool>("Name"), std::nullopt);
    EXPECT_EQ(values.Get<double>("Left"), std::nullopt);
    // The bytes themselves: a colour is blue, green, red, 0; a text has its 4-byte length.
    EXPECT_EQ(PropertyListWriter().Colour("TextColor", RGB(1, 2, 3)).Bytes(),
              std::string("TextColor \x03\x02\x01\0", 14));
    EXPECT_EQ(PropertyListWriter().Text("Name", "ab").Bytes(), std::string("Name \x02\0\0\0ab", 11));
}

TEST(PropertyList, NamesMatchRegardlessOfCase) {
    PropertyListWriter list;
    list.Integer("MacProcID", 7);
    const PropertyValues values = PropertyValues::Read(list.Bytes(), Table());
    EXPECT_EQ(values.Get<std::int64_t>("MacProcId"), 7);
}

TEST(PropertyList, ATruncatedListIsAnErrorAtEveryCutInsideAnEntry) {
    std::vector<std::size_t> ends;
    const std::string list = SampleList(&ends);
    for (std::size_t cut = 1; cut < list.size(); ++cut) {
        const std::string_view prefix(list.data(), cut);
        const auto end = std::find(ends.begin(), ends.end(), cut);
        if (end == ends.end()) {
            EXPECT_THROW(PropertyValues::Read(prefix, Table()), PropertyListError) << "cut at byte " << cut;
            continue;
        }
        // Cut between entries: a shorter list, read right as far as it goes.
        const PropertyValues values = PropertyValues::Read(prefix, Table());
        const auto entries = static_cast<std::size_t>(end - ends.begin()) + 1;
        for (std::size_t i = 0; i < std::size(kSampleNames); ++i)
            EXPECT_EQ(Given(values, kSampleNames[i]), i < entries)
                << kSampleNames[i] << " cut at byte " << cut;
        EXPECT_EQ(values.Get<std::string>("Name"), "Canvas1");
    }
}

TEST(PropertyList, MalformedListsAreClearErrors) {
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a property the class does not have", PropertyListWriter().Integer("Height", 20).Bytes()},
        {"a name without its blank", "Visible"},
        {"a name with other characters", std::string("Vis-ible \x01", 10)},
        {"an empty name", std::string(" \x01", 2)},
        {"a boolean other than 0 or 1", std::string("Visible \x02", 9)},
        {"a text longer than the list", std::string("Name \xff\0\0\0abc", 12)},
        {"an integer cut short", std::string("Left \x01\x02\x03", 8)},
    };
    for (const auto& c : cases)
        EXPECT_THROW(PropertyValues::Read(c.bytes, Table()), PropertyListError) << c.what;
}

}  // namespace
