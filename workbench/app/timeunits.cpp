#include "workbench/app/timeunits.h"

#include "workbench/app/commandids.h"

const std::vector<TimeUnit>& TimeUnits()
{
    static const std::vector<TimeUnit> units = {
        {"s", 1.0, Command::TimeUnitSeconds},
        {"min", 1.0 / 60.0, Command::TimeUnitMinutes},
        {"h", 1.0 / 3600.0, Command::TimeUnitHours},
    };
    return units;
}

const TimeUnit* FindTimeUnit(const QString& name)
{
    for (const TimeUnit& unit : TimeUnits()) {
        if (name == QLatin1String(unit.name))
            return &unit;
    }
    return nullptr;
}

const TimeUnit* TimeUnitForCommand(UINT command)
{
    for (const TimeUnit& unit : TimeUnits()) {
        if (unit.command == command)
            return &unit;
    }
    return nullptr;
}

const TimeUnit& SecondsUnit()
{
    return TimeUnits().front();
}

QString FormatTime(double seconds, const TimeUnit& unit)
{
    return QStringLiteral("%1 %2").arg(seconds * unit.factor, 0, 'g', 6).arg(QLatin1String(unit.name));
}
