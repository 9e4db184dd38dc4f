#pragma once

// The host application that the editor benchmarks open their editors in.

#include "host/services/kbaseapp.h"

#include <QMdiArea>

// The host's application object with a shown MDI area; made after the QApplication.
class BenchHost {
public:
    BenchHost()
    {
        m_area.resize(1400, 1000);
        m_area.show();
        m_app.SetMdiArea(&m_area);
    }
    QMdiArea& area() { return m_area; }

private:
    CKBaseApp m_app;
    QMdiArea m_area;
};
