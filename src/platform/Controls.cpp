#include "Controls.h"

#include <algorithm>
#include <stdexcept>

#include <windowsx.h>

// Panels hand their controls' notifications to the form; WM_CTLCOLOR* go
// too, so that every control gets the form's colours.
static LRESULT CALLBACK PanelProcedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return SendMessageA(GetParent(Window), Message, WParam, LParam);
    default:
        return DefWindowProcA(Window, Message, WParam, LParam);
    }
}

// A sunken line along the top of the control: dark over light, drawn
// here so that the control keeps exactly its layout size.
static LRESULT CALLBACK BevelProcedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_PAINT) {
        PAINTSTRUCT Paint;
        HDC Dc = BeginPaint(Window, &Paint);
        RECT Client;
        GetClientRect(Window, &Client);
        DrawEdge(Dc, &Client, EDGE_ETCHED, BF_TOP);
        EndPaint(Window, &Paint);
        return 0;
    }
    return DefWindowProcA(Window, Message, WParam, LParam);
}

static const char* RegisteredClass(const char* Name, WNDPROC Procedure)
{
    WNDCLASSEXA Class{};
    Class.cbSize = sizeof Class;
    if (!GetClassInfoExA(GetModuleHandleA(nullptr), Name, &Class)) {
        Class.lpfnWndProc = Procedure;
        Class.hInstance = GetModuleHandleA(nullptr);
        Class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        Class.lpszClassName = Name;
        RegisterClassExA(&Class);
    }
    return Name;
}

TLabel::TLabel(const TControlRow& Row, const TPlacement& Placement) : TControl(Row, Placement, "STATIC", SS_LEFT)
{
    FitToText();
}

void TLabel::SetText(const std::string& Text)
{
    TControl::SetText(Text);
    FitToText();
}

void TLabel::FitToText()
{
    if (!(Row().Flags & LayoutFlag::AutoSize))
        return;
    std::string Caption = Text();
    HDC Dc = GetDC(Handle());
    HGDIOBJ Old = SelectObject(Dc, reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
    RECT Box{0, 0, 0, 0};
    DrawTextA(Dc, Caption.empty() ? " " : Caption.c_str(), -1, &Box, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    SelectObject(Dc, Old);
    ReleaseDC(Handle(), Dc);
    SetWindowPos(Handle(), nullptr, 0, 0, Box.right, Box.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TButton::TButton(const TControlRow& Row, const TPlacement& Placement)
    : TControl(Row, Placement, "BUTTON",
               WS_TABSTOP | ((Row.Flags & LayoutFlag::Default) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON))
{
}

void TButton::Press()
{
    if (IsWindowVisible(Handle()) && Enabled())
        SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(Handle()));
}

void TButton::Command(int NotifyCode)
{
    if (NotifyCode == BN_CLICKED && OnClick)
        OnClick();
}

TRadioButton::TRadioButton(const TControlRow& Row, const TPlacement& Placement, bool FirstOfGroup)
    : TControl(Row, Placement, "BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP | (FirstOfGroup ? WS_GROUP : 0))
{
}

bool TRadioButton::Checked() const
{
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TRadioButton::SetChecked(bool Checked)
{
    SendMessageA(Handle(), BM_SETCHECK, Checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::Command(int NotifyCode)
{
    if (NotifyCode == BN_CLICKED && OnClick)
        OnClick();
}

TEdit::TEdit(const TControlRow& Row, const TPlacement& Placement)
    : TControl(Row, Placement, "EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE)
{
}

TMemo::TMemo(const TControlRow& Row, const TPlacement& Placement)
    : TControl(Row, Placement, "EDIT",
               WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL |
                   ((Row.Flags & LayoutFlag::NoWordWrap) ? (WS_HSCROLL | ES_AUTOHSCROLL) : 0),
               WS_EX_CLIENTEDGE)
{
}

TGroupBox::TGroupBox(const TControlRow& Row, const TPlacement& Placement)
    : TControl(Row, Placement, "BUTTON", BS_GROUPBOX)
{
}

TBevel::TBevel(const TControlRow& Row, const TPlacement& Placement)
    : TControl(Row, Placement, RegisteredClass("LexovantBevel", &BevelProcedure), 0)
{
}

TPanel::TPanel(const TControlRow& Row, const TPlacement& Placement)
    : TControl(Row, Placement, RegisteredClass("LexovantPanel", &PanelProcedure), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT)
{
}

TProgressBar::TProgressBar(const TControlRow& Row, const TPlacement& Placement)
    : TControl(Row, Placement, PROGRESS_CLASSA, 0)
{
    SendMessageA(Handle(), PBM_SETRANGE32, 0, 100);
}

void TProgressBar::SetPosition(int Position)
{
    Change(PBM_SETPOS, Position);
}

int TProgressBar::Position() const
{
    return static_cast<int>(SendMessageA(Handle(), PBM_GETPOS, 0, 0));
}

void TProgressBar::SetStep(int Step)
{
    SendMessageA(Handle(), PBM_SETSTEP, Step, 0);
}

void TProgressBar::StepIt()
{
    Change(PBM_STEPIT, 0);
}

namespace {
// Not the control's own timers (a marquee bar has one).
constexpr UINT_PTR RepaintTimer = 0x4C52;
}  // namespace

void TProgressBar::Change(UINT Message, WPARAM WParam)
{
    // Turning redraw off validates the bar: a repaint due for another
    // reason (the dialog uncovered) must not be lost.
    if (GetUpdateRect(Handle(), nullptr, FALSE))
        WholeDue = true;
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Handle(), Message, WParam, 0);
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    if (RepaintWaiting)
        return;
    auto Wait = std::chrono::ceil<std::chrono::milliseconds>(LastRepaint + RepaintInterval -
                                                              std::chrono::steady_clock::now());
    if (Wait.count() > 0 && SetTimer(Handle(), RepaintTimer, static_cast<UINT>(Wait.count()), nullptr))
        RepaintWaiting = true;
    else
        Repaint();
}

void TProgressBar::Repaint()
{
    // Painted when the thread next has nothing else to do; only the part
    // that changed since the last repaint, which costs a fraction of the
    // whole bar.
    int Now = Position();
    if (WholeDue) {
        InvalidateRect(Handle(), nullptr, TRUE);
    } else if (Now != PaintedPosition) {
        RECT Span = SpanBetween(std::min(PaintedPosition, Now), std::max(PaintedPosition, Now));
        InvalidateRect(Handle(), &Span, Now < PaintedPosition);
    }
    WholeDue = false;
    PaintedPosition = Now;
    LastRepaint = std::chrono::steady_clock::now();
}

RECT TProgressBar::SpanBetween(int From, int To) const
{
    RECT Client;
    GetClientRect(Handle(), &Client);
    int Low = static_cast<int>(SendMessageA(Handle(), PBM_GETRANGE, TRUE, 0));
    int High = static_cast<int>(SendMessageA(Handle(), PBM_GETRANGE, FALSE, 0));
    int Width = Client.right - Client.left;
    auto X = [&](int Position) { return Client.left + MulDiv(Width, Position - Low, std::max(1, High - Low)); };
    // The bar is drawn in chunks, none wider than twice its height, up to
    // the one that holds the position.
    int Margin = 2 * (Client.bottom - Client.top);
    return RECT{std::max<LONG>(Client.left, X(From) - Margin), Client.top,
                std::min<LONG>(Client.right, X(To) + Margin), Client.bottom};
}

LRESULT TProgressBar::ControlProc(UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_TIMER && WParam == RepaintTimer) {
        KillTimer(Handle(), RepaintTimer);
        RepaintWaiting = false;
        Repaint();
        return 0;
    }
    return DefaultProc(Message, WParam, LParam);
}

TListBox::TListBox(const TControlRow& Row, const TPlacement& Placement, const TScale& Scale)
    : TControl(Row, Placement, "LISTBOX",
               WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
               WS_EX_CLIENTEDGE)
{
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, Scale(13));
}

void TListBox::Add(const std::string& Item)
{
    SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Item.c_str()));
}

int TListBox::Count() const
{
    return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0));
}

std::string TListBox::Item(int Index) const
{
    LRESULT Length = SendMessageA(Handle(), LB_GETTEXTLEN, Index, 0);
    if (Length == LB_ERR)
        return {};
    std::string Text(static_cast<std::size_t>(Length) + 1, '\0');
    Length = SendMessageA(Handle(), LB_GETTEXT, Index, reinterpret_cast<LPARAM>(Text.data()));
    Text.resize(Length == LB_ERR ? 0 : static_cast<std::size_t>(Length));
    return Text;
}

bool TListBox::Selected(int Index) const
{
    return SendMessageA(Handle(), LB_GETSEL, Index, 0) > 0;
}

void TListBox::SetSelected(int Index, bool Selected)
{
    SendMessageA(Handle(), LB_SETSEL, Selected, Index);
}

int TListBox::ItemAt(POINT Point) const
{
    LRESULT Hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(Point.x, Point.y));
    if (HIWORD(Hit))  // outside every entry
        return -1;
    int Index = LOWORD(Hit);
    return Index < Count() ? Index : -1;
}

void TListBox::SetCursor(HCURSOR Shape)
{
    Cursor = Shape;
    // At once, when the pointer is over the list now.
    POINT Pointer;
    if (Cursor && GetCursorPos(&Pointer) && WindowFromPoint(Pointer) == Handle())
        ::SetCursor(Cursor);
}

LRESULT TListBox::ControlProc(UINT Message, WPARAM WParam, LPARAM LParam)
{
    auto Pressed = [&](TMouseButton Button) {
        LRESULT Result = DefaultProc(Message, WParam, LParam);
        if (OnMouseDown)
            OnMouseDown(Button, WParam, GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam));
        return Result;
    };
    auto Released = [&](TMouseButton Button) {
        LRESULT Result = DefaultProc(Message, WParam, LParam);
        if (OnMouseUp)
            OnMouseUp(Button, WParam, GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam));
        return Result;
    };
    switch (Message) {
    case WM_SETCURSOR:
        if (Cursor && LOWORD(LParam) == HTCLIENT) {
            ::SetCursor(Cursor);
            return TRUE;
        }
        break;
    case WM_CHAR:
        if (OnKeyPress) {
            char Key = static_cast<char>(WParam);
            OnKeyPress(Key);
            if (Key == 0)
                return 0;
            WParam = static_cast<unsigned char>(Key);
        }
        break;
    case WM_LBUTTONDOWN: return Pressed(TMouseButton::Left);
    case WM_RBUTTONDOWN: return Pressed(TMouseButton::Right);
    case WM_MBUTTONDOWN: return Pressed(TMouseButton::Middle);
    case WM_LBUTTONUP: return Released(TMouseButton::Left);
    case WM_RBUTTONUP: return Released(TMouseButton::Right);
    case WM_MBUTTONUP: return Released(TMouseButton::Middle);
    case WM_MOUSEMOVE: {
        LRESULT Result = DefaultProc(Message, WParam, LParam);
        if (OnMouseMove)
            OnMouseMove(WParam, GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam));
        return Result;
    }
    }
    return DefaultProc(Message, WParam, LParam);
}

TTreeView::TTreeView(const TControlRow& Row, const TPlacement& Placement, const TScale& Scale)
    : TControl(Row, Placement, WC_TREEVIEWA,
               WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE)
{
    SendMessageA(Handle(), TVM_SETINDENT, Scale(19), 0);
}

void TTreeView::SetImages(HIMAGELIST Images)
{
    SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(Images));
}

void TTreeView::Clear()
{
    SendMessageA(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

HTREEITEM TTreeView::Add(HTREEITEM Parent, const std::string& Text, int Image, int SelectedImage)
{
    TVINSERTSTRUCTA Insert{};
    Insert.hParent = Parent ? Parent : TVI_ROOT;
    Insert.hInsertAfter = TVI_LAST;
    Insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    Insert.item.pszText = const_cast<char*>(Text.c_str());
    Insert.item.iImage = Image;
    Insert.item.iSelectedImage = SelectedImage;
    auto Node = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&Insert)));
    if (!Node)
        throw std::runtime_error("Could not add a node to the folder tree");
    return Node;
}

std::string TTreeView::NodeText(HTREEITEM Node) const
{
    char Buffer[MAX_PATH + 1] = {};
    TVITEMA Item{};
    Item.mask = TVIF_TEXT;
    Item.hItem = Node;
    Item.pszText = Buffer;
    Item.cchTextMax = sizeof Buffer;
    SendMessageA(Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&Item));
    return Buffer;
}

HTREEITEM TTreeView::ParentOf(HTREEITEM Node) const
{
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(Node)));
}

void TTreeView::Expand(HTREEITEM Node)
{
    SendMessageA(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(Node));
}

LRESULT TTreeView::Notify(const NMHDR& Header)
{
    if (Header.code == TVN_SELCHANGEDA || Header.code == TVN_SELCHANGEDW) {
        HTREEITEM Node = reinterpret_cast<const NMTREEVIEWA&>(Header).itemNew.hItem;
        if (Node && OnChange)
            OnChange(Node);
    }
    return 0;
}

std::unique_ptr<TControl> MakeControl(const TControlRow& Row, const TControl::TPlacement& Placement,
                                      const TScale& Scale, bool FirstOfGroup)
{
    switch (Row.Kind) {
    case TControlKind::Label: return std::make_unique<TLabel>(Row, Placement);
    case TControlKind::Button: return std::make_unique<TButton>(Row, Placement);
    case TControlKind::RadioButton: return std::make_unique<TRadioButton>(Row, Placement, FirstOfGroup);
    case TControlKind::Edit: return std::make_unique<TEdit>(Row, Placement);
    case TControlKind::Memo: return std::make_unique<TMemo>(Row, Placement);
    case TControlKind::GroupBox: return std::make_unique<TGroupBox>(Row, Placement);
    case TControlKind::ListBox: return std::make_unique<TListBox>(Row, Placement, Scale);
    case TControlKind::TreeView: return std::make_unique<TTreeView>(Row, Placement, Scale);
    case TControlKind::ProgressBar: return std::make_unique<TProgressBar>(Row, Placement);
    case TControlKind::Picture: return std::make_unique<TPicture>(Row, Placement);
    case TControlKind::Bevel: return std::make_unique<TBevel>(Row, Placement);
    case TControlKind::Panel: return std::make_unique<TPanel>(Row, Placement);
    }
    return nullptr;
}
