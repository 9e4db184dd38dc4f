#pragma once

// Frames: a window holding one view. CMDIChildWnd lives in the application's
// MDI area as a QMdiSubWindow.

#include "platform/windows/createstruct.h"
#include "platform/windows/wnd.h"

class CDocument;
class CDocTemplate;
class CView;

// Frame style bit: the framework appends the document title to the caption.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;
constexpr DWORD WS_OVERLAPPEDWINDOW = 0x00CF0000;

// WM_SIZING edges (wParam).
constexpr UINT WMSZ_BOTTOMRIGHT = 8;

struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
};

class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CFrameWnd)
public:
    CView* GetActiveView() const { return m_activeView; }
    void SetActiveView(CView* view) { m_activeView = view; }
    CDocument* GetActiveDocument() const;
    bool IsFrameWnd() const override { return true; }

    virtual bool PreCreateWindow(CREATESTRUCT& cs);
    // Creates the frame's window, sends WM_CREATE, and the view inside it. On
    // failure the frame destroys itself (PostNcDestroy): do not touch it after.
    virtual bool LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context);
    virtual void RecalcLayout() { }
    // The caption from the document title, when the frame style asks for it.
    virtual void OnUpdateFrameTitle(bool addToTitle);
    void InitialUpdateFrame(CDocument* document, bool makeVisible);
    DWORD GetFrameStyle() const { return m_frameStyle; }

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // Frames delete themselves with their window.
    void PostNcDestroy() override;

protected:
    // The default WM_CREATE handling: creates the view; -1 when that fails.
    virtual int OnCreate(CREATESTRUCT* cs);
    virtual bool OnCreateClient(CREATESTRUCT* cs, CCreateContext* context);
    // The framework's close handling: closes the document with its last
    // frame, else destroys this frame.
    virtual void OnClose();
    // The frame's widget; a top-level widget unless a class needs another.
    virtual QWidget* CreateFrameWidget(const CREATESTRUCT& cs);

    DWORD m_frameStyle = 0;
    CCreateContext* m_creationContext = nullptr;

private:
    CView* m_activeView = nullptr;
};

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNAMIC(CMDIChildWnd)
public:
    bool PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    QWidget* CreateFrameWidget(const CREATESTRUCT& cs) override;
};
