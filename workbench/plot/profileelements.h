#pragma once

// The model elements a plot's profiles name, in the rows the plot draws them.

#include "hostlib/hostmodel.h"
#include "hostlib/plotdefinition.h"
#include "workbench/plot/plotvalues.h"

#include <QString>

#include <deque>
#include <optional>
#include <vector>

// The most elements one path may name in a plot.
inline constexpr size_t PlotPathElementLimit = 1000000;

// A profile's elements: one row for a 1-D profile; for a 2-D profile a row per
// path, and for a path with two wildcards ("C(*,*)") a row per element of the
// second one ("C(*,2)"). Within a row the first wildcard runs.
struct ProfileRows {
    std::vector<std::vector<PlotElement>> rows;
    std::vector<QString> labels; // per row: the path it stands for, e.g. "C(*,2)"

    std::vector<PlotElement> AllElements() const;
};

class ProfileElementResolver {
public:
    // Paths are looked up in `registry` relative to the block `owner`, then whole.
    ProfileElementResolver(const HostModel& registry, const PlotValues& values, const CString& owner);

    // False with the reason in `error` when a path names nothing in the model
    // or too many elements.
    bool Resolve(const CStringArray& paths, UINT dimension, ProfileRows& out, QString& error);
    // How many elements Resolve would give for `paths`, found without making
    // them; false as Resolve would be.
    bool Count(const CStringArray& paths, size_t& count, QString& error) const;

private:
    // A path's variable, and the range of each of its subscripts.
    struct PathShape {
        std::optional<HostModel::Match> match;
        std::vector<UINT> first;
        std::vector<UINT> last;
        std::vector<size_t> wildcards; // the dimensions given as wildcards, in order
        size_t count = 0; // elements named
    };
    bool ReadPath(const CString& path, PathShape& shape, QString& error) const;
    bool ExpandPath(const CString& path, std::vector<std::vector<PlotElement>>& groups, std::vector<QString>& labels,
        QString& error);

    const HostModel& m_registry;
    const PlotValues& m_values;
    CString m_owner;
    std::deque<VariableValues> m_sources; // the elements point into it
};
