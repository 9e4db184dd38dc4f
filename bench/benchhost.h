#pragma once

// The application that the editor benchmarks open their editors in.

#include "host/services/kbaseapp.h"

#include <QApplication>
#include <QMdiArea>

// The Qt application, the host's application object and a shown MDI area.
class BenchHost {
public:
    BenchHost(int& argc, char** argv) : m_qtApp(argc, argv)
    {
        m_area.resize(1400, 1000);
        m_area.show();
        m_app.SetMdiArea(&m_area);
    }
    QMdiArea& area() { return m_area; }

private:
    QApplication m_qtApp;
    CKBaseApp m_app;
    QMdiArea m_area;
};
