#include "ui/GameAccessible.h"

#include "platform/Dc.h"
#include "ui/GameFrame.h"
#include "ui/Look.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFont>
#include <QFontMetrics>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The game behind a window's widget; null once the window is destroyed.
CGameFrame* GameOf(const QWidget* pWidget) {
    return dynamic_cast<CGameFrame*>(CWnd::FromWidget(pWidget));
}

// The band the title is painted on: the character cells of the title and
// its blanks in the title font.
QRect TitleBandRect() {
    CFont font;
    font.CreatePointFont(kTitleFontSize, kSerifFace);
    const QFontMetrics metrics(font.ToQFont());
    return QRect(kTitleAt.x, kTitleAt.y,
                 metrics.horizontalAdvance(QString::fromStdString(TitleBand())), metrics.height());
}

enum class Part { Title, Die, Roll, Name, Row, Total };

// One painted part of the game window. It has no QObject of its own: the
// window's object owns it through Qt's registry, and it reads the game
// afresh on every question, through the window's widget.
class CPartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CPartAccessible(QWidget* pWidget, Part part, int nIndex)
        : m_pWidget(pWidget), m_part(part), m_nIndex(nIndex) {}

    // Shown once the players are known (the current player then has a
    // sheet; before, the window is hidden), a total while its player has a
    // name.
    bool isValid() const override {
        const CGameFrame* game = Game();
        if (game == nullptr || game->GetSheet(game->GetCurPlayer()) == nullptr) {
            return false;
        }
        return m_part != Part::Total || !game->GetName(m_nIndex).empty();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_pWidget != nullptr ? m_pWidget->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_pWidget.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? Name() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    // Where the part is painted, on the screen.
    QRect rect() const override {
        if (!isValid()) {
            return QRect();
        }
        return ClientRect().translated(m_pWidget->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::Role role() const override {
        switch (m_part) {
        case Part::Die:
            return QAccessible::CheckBox;
        case Part::Roll:
        case Part::Name:
        case Part::Row:
            return QAccessible::PushButton;
        default:
            return QAccessible::StaticText;
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.invisible = !m_pWidget->isVisible();
        state.disabled = !m_pWidget->isEnabled();
        if (m_part == Part::Die) {
            state.checkable = true;
            state.checked = Game()->GetDie(m_nIndex).GetState() == DIE_HELD;
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface && role() != QAccessible::StaticText) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }

    QStringList actionNames() const override {
        return {m_part == Part::Die ? toggleAction() : pressAction()};
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // What the mouse does to the part: a right click for the roll box, a
    // left click at the centre of anything else. The window takes no
    // action while the mouse could not reach it either.
    void doAction(const QString& actionName) override {
        CGameFrame* game = Game();
        if (game == nullptr || !m_pWidget->isVisible() || !m_pWidget->isEnabled() ||
            !actionNames().contains(actionName) || !isValid()) {
            return;
        }
        if (m_part == Part::Roll) {
            game->Roll();
            return;
        }
        const QPoint centre = ClientRect().center();
        game->Click(CPoint{centre.x(), centre.y()});
    }

    // Reports what changed since the last call: a new name, a die held or
    // released. A part that has just come to be shown only takes note.
    void SendChanges() {
        const bool bShown = isValid();
        const QString name = text(QAccessible::Name);
        const bool bChecked = state().checked;
        if (bShown && m_bShown) {
            if (name != m_strName) {
                QAccessibleEvent event(this, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&event);
            }
            if (bChecked != m_bChecked) {
                QAccessible::State changed;
                changed.checked = true;
                QAccessibleStateChangeEvent event(this, changed);
                QAccessible::updateAccessibility(&event);
            }
        }
        m_bShown = bShown;
        m_strName = name;
        m_bChecked = bChecked;
    }

private:
    CGameFrame* Game() const { return GameOf(m_pWidget.data()); }

    // The text the part shows, as a screen reader is to say it. Only
    // called while the part is shown.
    QString Name() const {
        const CGameFrame& game = *Game();
        switch (m_part) {
        case Part::Title:
            return QString::fromUtf8(kTitle);
        case Part::Die:
            return QStringLiteral("Die %1 showing %2")
                .arg(m_nIndex + 1)
                .arg(game.GetDie(m_nIndex).GetValue());
        case Part::Roll:
            return QString::fromStdString(RollText(game.GetRolls()));
        case Part::Name:
            return QString::fromStdString(game.GetName(game.GetCurPlayer()));
        case Part::Row:
            return BoxText(game.GetSheet(game.GetCurPlayer())->GetBox(m_nIndex));
        case Part::Total:
            return BoxText(game.GetTotal(m_nIndex));
        }
        return QString();
    }

    // "Full House: 25", or "Chance: empty" while the box shows no number.
    static QString BoxText(const CScoreBox& box) {
        const QString score = box.GetScore() == SCORE_EMPTY ? QStringLiteral("empty")
                                                            : QString::number(box.GetScore());
        return QString::fromStdString(box.GetLabel()) + QStringLiteral(": ") + score;
    }

    // Where the part is painted, in client pixels. Only called while the
    // part is shown.
    QRect ClientRect() const {
        const CGameFrame& game = *Game();
        CRect r;
        switch (m_part) {
        case Part::Title:
            return TitleBandRect();
        case Part::Die:
            r = game.GetDie(m_nIndex).GetRect();
            break;
        case Part::Roll:
            r = game.GetRollRect();
            break;
        case Part::Name:
            r = game.GetNameRect();
            break;
        case Part::Row:
            r = game.GetSheet(game.GetCurPlayer())->GetBox(m_nIndex).GetRect();
            break;
        case Part::Total:
            r = game.GetTotal(m_nIndex).GetRect();
            break;
        }
        return QRect(r.left, r.top, r.Width(), r.Height());
    }

    QPointer<QWidget> m_pWidget;
    Part m_part;
    int m_nIndex;
    // What was last reported.
    bool m_bShown = false;
    QString m_strName;
    bool m_bChecked = false;
};

// The game window, with its painted parts as children in this order: the
// title, dice 1 to 5, the roll box, the name box, the current player's 18
// rows and the total of every player with a name. Qt asks for the window's
// object even while no assistive technology listens; the parts are built
// only once a client asks for them or a change is to be reported.
class CGameWindowAccessible : public QAccessibleWidget {
public:
    explicit CGameWindowAccessible(QWidget* pWidget)
        : QAccessibleWidget(pWidget, QAccessible::Window) {}
    ~CGameWindowAccessible() override {
        for (CPartAccessible* part : m_parts) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
        }
    }
    CGameWindowAccessible(const CGameWindowAccessible&) = delete;
    CGameWindowAccessible& operator=(const CGameWindowAccessible&) = delete;

    int childCount() const override { return static_cast<int>(Shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<CPartAccessible*> shown = Shown();
        return index >= 0 && index < static_cast<int>(shown.size())
                   ? shown[static_cast<std::size_t>(index)]
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* pChild) const override {
        const std::vector<CPartAccessible*> shown = Shown();
        const auto found = std::find(shown.begin(), shown.end(), pChild);
        return found != shown.end() ? static_cast<int>(found - shown.begin()) : -1;
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    // The changes are reported once control is back in the event loop, when
    // the operation has finished: a roll asks for its repaint before it
    // counts itself, and a scoring click asks twice.
    void ScheduleChanges() {
        if (m_bPending) {
            return;
        }
        m_bPending = true;
        QWidget* pWidget = widget();
        QMetaObject::invokeMethod(
            pWidget,
            [pWidget] {
                if (auto* self = dynamic_cast<CGameWindowAccessible*>(
                        QAccessible::queryAccessibleInterface(pWidget))) {
                    self->SendChanges();
                }
            },
            Qt::QueuedConnection);
    }

private:
    void SendChanges() {
        m_bPending = false;
        for (CPartAccessible* part : Parts()) {
            part->SendChanges();
        }
    }

    // Each part is built once and registered, so that it keeps its identity
    // (and its path on the bus) for the life of the window. What it shows
    // when built is taken as already known.
    const std::vector<CPartAccessible*>& Parts() const {
        if (!m_parts.empty()) {
            return m_parts;
        }
        const std::pair<Part, int> kinds[] = {
            {Part::Title, 1}, {Part::Die, NUM_DICE},       {Part::Roll, 1},
            {Part::Name, 1},  {Part::Row, NUM_CATEGORIES}, {Part::Total, MAX_PLAYERS}};
        for (const auto& [part, nCount] : kinds) {
            for (int i = 0; i < nCount; ++i) {
                auto* pPart = new CPartAccessible(widget(), part, i);
                QAccessible::registerAccessibleInterface(pPart);
                pPart->SendChanges();
                m_parts.push_back(pPart);
            }
        }
        return m_parts;
    }

    std::vector<CPartAccessible*> Shown() const {
        std::vector<CPartAccessible*> shown;
        for (CPartAccessible* part : Parts()) {
            if (part->isValid()) {
                shown.push_back(part);
            }
        }
        return shown;
    }

    // Owned by Qt's registry of accessible objects, deleted with this one.
    mutable std::vector<CPartAccessible*> m_parts;
    bool m_bPending = false;
};

// Recognises the game window's widget.
QAccessibleInterface* GameWindowFactory(const QString&, QObject* pObject) {
    if (pObject == nullptr || !pObject->isWidgetType()) {
        return nullptr;
    }
    auto* pWidget = static_cast<QWidget*>(pObject);
    return GameOf(pWidget) != nullptr ? new CGameWindowAccessible(pWidget) : nullptr;
}

} // namespace

void InstallGameAccessibility() {
    QAccessible::installFactory(GameWindowFactory);
}

void GameStateChanged(const CGameFrame& frame) {
    if (!QAccessible::isActive() || frame.GetWidget() == nullptr) {
        return;
    }
    if (auto* window = dynamic_cast<CGameWindowAccessible*>(
            QAccessible::queryAccessibleInterface(frame.GetWidget()))) {
        window->ScheduleChanges();
    }
}
