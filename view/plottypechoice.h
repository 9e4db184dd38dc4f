#pragma once

// The plot type of the editor's form: the 2-d/3-d radios and the y-axis
// radios (time or a profile), with the rule they share with the time page
// (a 3-d plot whose y axis is a profile has one time point).
//
// Owns: whether the plot is 2-d and whether its y axis is time.
// Asks: the plot assignment to clear the y-axis field when the y axis
// becomes time, the time page to apply the maximum-points rule, and the form
// host to show the profiles page's controls for the new type.

#include <cstdint>

class FormAccess;
class IFormHost;
class PlotAssignment;
class TimeSettingsPage;

class PlotTypeChoice {
public:
    PlotTypeChoice(const FormAccess& form, IFormHost& host, PlotAssignment& assignment, TimeSettingsPage& timePage);

    bool Is2DPlot() const { return m_is2DPlot != 0; }
    bool YAxisIsTime() const { return m_yAxisIsTime != 0; }

    // The radios' commands.
    void On2DPlot();
    void On3DPlot();
    void OnYAxisIsTime();
    void OnYAxisIsProfile();

    // The definition's plot type: checks its radio and runs its command.
    void ShowPlotType(bool is3DPlot);
    // The definition's y-axis choice, checked on the form.
    void ShowYAxisIsTime(int32_t yAxisIsTime);
    // After a load that ended early: exactly one y-axis radio is checked.
    void CheckOneYAxisRadio();
    int32_t YAxisIsTimeValue() const { return m_yAxisIsTime; }

private:
    const FormAccess& m_form;
    IFormHost& m_host;
    PlotAssignment& m_assignment;
    TimeSettingsPage& m_timePage;
    int32_t m_is2DPlot = 1;
    // Loading sets it; a load that ends early leaves the y axis on time.
    int32_t m_yAxisIsTime = 1;
};
