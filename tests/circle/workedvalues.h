#pragma once

#include "circle/circlecalculations.h"

#include <QStringList>
#include <QTest>

// The worked values of the circle family, as a user reads them in
// lblAnswer 0 to 3: the family member, the option chosen, the texts typed
// into the fields, and the four answer texts ("" where nothing is written).
inline void addWorkedValues()
{
    using namespace Zyntra;
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("given");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("shown");

    const auto row = [](const char *name, qint16 mode, qint16 given, QStringList fields, QStringList shown) {
        QTest::newRow(name) << int(mode) << int(given) << fields << shown;
    };
    const QStringList zeros{"0", "0", "0", "0"};
    using namespace CircleMode;

    row("circle radius 1", Circle, CircleGiven::Radius, {"1"}, {"1.00", "2.00", "6.28", "3.14"});
    row("circle radius 5", Circle, CircleGiven::Radius, {"5"}, {"5.00", "10.00", "31.42", "78.54"});
    row("circle diameter 10", Circle, CircleGiven::Diameter, {"10"}, {"5.00", "10.00", "31.42", "78.54"});
    row("circle circumference 31.4", Circle, CircleGiven::Circumference, {"31.4"}, {"4.997", "9.995", "31.4", "78.46"});
    row("circle area 78.5", Circle, CircleGiven::Area, {"78.5"}, {"4.999", "9.997", "31.41", "78.5"});
    row("circle area 100", Circle, CircleGiven::Area, {"100"}, {"5.642", "11.284", "35.45", "100.0"});
    row("circle radius empty", Circle, CircleGiven::Radius, {""}, {".00", ".00", ".0", ".0"});
    row("circle area empty", Circle, CircleGiven::Area, {""}, {".00", ".00", ".0", ".0"});
    row("circle radius 0", Circle, CircleGiven::Radius, {"0"}, {".00", ".00", ".0", ".0"});
    row("circle area 0", Circle, CircleGiven::Area, {"0"}, {".00", ".00", ".0", ".0"});
    row("circle radius .5", Circle, CircleGiven::Radius, {".5"}, {".50", "1.00", "3.14", ".79"});
    row("circle radius 1234567.891 has no grouping", Circle, CircleGiven::Radius, {"1234567.891"},
        {"1234567.891", "2469135.782", "7757018.83", "4788283190827.9"});

    row("segment r 10, 60 degrees", Sections, CircleSection::Segment, {"10", "60"}, {"10.00", "60.00", "9.05", ""});
    row("segment r 10, 90 degrees", Sections, CircleSection::Segment, {"10", "90"}, {"10.00", "90.00", "28.5", ""});
    row("segment r 10, 120 degrees", Sections, CircleSection::Segment, {"10", "120"}, {"10.00", "120.00", "61.38", ""});
    row("segment r 10, 180 degrees", Sections, CircleSection::Segment, {"10", "180"}, {"10.00", "180.00", "157.0", ""});
    row("segment r 5, 30 degrees", Sections, CircleSection::Segment, {"5", "30"}, {"5.00", "30.00", ".29", ""});
    row("segment r 0", Sections, CircleSection::Segment, {"0", "60"}, {".00", "60.00", ".0", ""});
    row("segment radius empty", Sections, CircleSection::Segment, {"", "60"}, zeros);
    row("segment angle empty", Sections, CircleSection::Segment, {"10", ""}, zeros);

    row("sector r 10, 60 degrees", Sections, CircleSection::Sector, {"10", "60"}, {"10.00", "60.00", "10.47", "52.36"});
    row("sector r 10, 90 degrees", Sections, CircleSection::Sector, {"10", "90"}, {"10.00", "90.00", "15.71", "78.54"});
    row("sector r 2, 45 degrees", Sections, CircleSection::Sector, {"2", "45"}, {"2.00", "45.00", "1.57", "1.57"});
    row("sector r 0", Sections, CircleSection::Sector, {"0", "45"}, {".00", "45.00", ".0", ".0"});
    row("sector radius empty", Sections, CircleSection::Sector, {"", "45"}, zeros);
    row("sector angle empty", Sections, CircleSection::Sector, {"2", ""}, zeros);
    row("sector both empty", Sections, CircleSection::Sector, {"", ""}, zeros);

    row("hollow sector 10, 5, 90 degrees", Sections, CircleSection::HollowSector, {"10", "5", "90"},
        {"10.00", "5.00", "90.0", "58.88"});
    row("hollow sector 3, 2, 45.5 degrees", Sections, CircleSection::HollowSector, {"3", "2", "45.5"},
        {"3.00", "2.00", "45.5", "1.98"});
    row("hollow sector angle 22.125 shows two decimals at most", Sections, CircleSection::HollowSector,
        {"2", "1", "22.125"}, {"2.00", "1.00", "22.13", ".58"});
    row("hollow sector outer radius empty", Sections, CircleSection::HollowSector, {"", "5", "90"}, zeros);
    row("hollow sector inner radius empty", Sections, CircleSection::HollowSector, {"10", "", "90"}, zeros);
    row("hollow sector angle empty", Sections, CircleSection::HollowSector, {"10", "5", ""}, zeros);

    row("ellipse a 5, b 3", Ellipse, 0, {"5", "3"}, {"5.00", "3.00", "47.1", "25.52"});
    row("ellipse a 4, b 4", Ellipse, 0, {"4", "4"}, {"4.00", "4.00", "50.24", "25.12"});
    row("ellipse a 10, b 2", Ellipse, 0, {"10", "2"}, {"10.00", "2.00", "62.8", "42.48"});
    row("ellipse a 0, b 0", Ellipse, 0, {"0", "0"}, {".00", ".00", ".0", ".0"});
    row("ellipse a empty", Ellipse, 0, {"", "3"}, zeros);
    row("ellipse b empty", Ellipse, 0, {"5", ""}, zeros);
}
