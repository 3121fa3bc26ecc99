// SPDX-License-Identifier: MIT
#include "ui/Form.h"

#include "platform/FixedSize.h"
#include "platform/TaskbarHint.h"
#include "platform/WindowLoss.h"
#include "platform/Workspaces.h"
#include "settings/Settings.h"
#include "ui/Accessibility.h"
#include "ui/FailureReporter.h"
#include "ui/FormSurface.h"
#include "ui/FormTimer.h"
#include "ui/Twips.h"
#include "ui/controls/Label.h"
#include "ui/controls/Line.h"
#include "ui/controls/MultiLineField.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/TextField.h"
#include "ui/controls/TickBox.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <map>

namespace {

Qt::WindowFlags flagsFor(Form::Frame frame, bool owned)
{
    const Qt::WindowFlags common =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (frame == Form::Frame::ToolWindow)
        return Qt::Tool | common;
    // Only a dialog is made transient for its owner on X11 (WM_TRANSIENT_FOR),
    // which window managers keep above the owner, in the owner's layer.
    return (owned ? Qt::Dialog : Qt::Window) | common;
}

} // namespace

Form::Form(Design design, FormContext context, QObject *parent)
    : QObject(parent)
    , m_design(std::move(design))
    , m_context(context)
{
    setObjectName(m_design.name);
    useDesignSize();
    Accessibility::install();
}

Form::~Form()
{
    delete m_surface;
}

QWidget *Form::surface() const
{
    return m_surface;
}

void Form::load(Form *owner)
{
    if (m_surface)
        return;
    QWidget *ownerWindow = owner ? owner->surface() : nullptr;
    if (ownerWindow &&
        std::find(owner->m_owned.begin(), owner->m_owned.end(), this) == owner->m_owned.end())
        owner->m_owned.emplace_back(this);
    // The fixed-single windows are the program's dialogs, always shown over
    // an owner; the strip is its main window.
    const QAccessible::Role role =
        m_design.frame == Frame::ToolWindow ? QAccessible::Window : QAccessible::Dialog;
    m_surface =
        new FormSurface(ownerWindow, flagsFor(m_design.frame, ownerWindow != nullptr), role);
    m_fixedSize = FixedSize::forPlatform(*m_surface);
    connect(m_surface, &FormSurface::closeRequested, this, &Form::unload);
    handle(m_surface, &FormSurface::doubleClicked, "Form_DblClick", &Form::Form_DblClick);
    m_surface->setObjectName(m_design.name);
    m_surface->setWindowTitle(m_design.caption);
    // A tool window would not end the event loop when closed; the program
    // decides itself what closing a window means.
    m_surface->setAttribute(Qt::WA_QuitOnClose, false);
    m_placed = QPoint(m_surface->x(), m_surface->y());
    m_placedTwips = QPointF(Twips::fromPixels(m_placed.x(), m_surface->screen()),
                            Twips::fromPixels(m_placed.y(), m_surface->screen()));
    useDesignSize();

    createControls(m_surface);
    m_context.failures.run("Form_Load", [this] { Form_Load(); });
    // A control that cannot be seen must not be changed by a key.
    if (m_surface)
        Accessibility::withdrawOutOfSight(m_surface);
}

void Form::show()
{
    load();
    if (!m_surface)
        return;
    const auto keepOutOfTaskbar = [this] {
        if (m_design.inTaskbar)
            return;
        TaskbarHint::exclude(*m_surface);
        // Nothing could fetch it from another workspace.
        Workspaces::showOnEvery(*m_surface);
    };
    keepOutOfTaskbar();
    m_surface->show();
    keepOutOfTaskbar();
    watchForLoss();
}

void Form::watchForLoss()
{
    // The main window's loss ends the whole program (ProgramEnding); an owned
    // window's, done by xkill or a window manager that crashes, counts as
    // its close box, so that its owner takes input again.
    if (m_loss || !m_surface->parentWidget())
        return;
    m_loss = WindowLoss::forPlatform(*m_surface);
    // Queued: the unload may show a message, which must not run inside the
    // native event filter that noticed the loss.
    connect(
        m_loss.get(), &WindowLoss::lost, this,
        [this, watcher = m_loss.get()] {
            if (m_loss.get() == watcher)
                unload();
        },
        Qt::QueuedConnection);
}

void Form::showModal(Form &owner)
{
    load(&owner);
    if (!m_surface)
        return;
    m_surface->setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    m_modalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
}

void Form::unload()
{
    if (!m_surface || m_unloading)
        return;
    m_unloading = true;
    // The owned windows' surfaces are children of this one and go with it.
    for (const QPointer<Form> &owned : m_owned) {
        if (owned)
            owned->unload();
    }
    m_context.failures.run("Form_Unload", [this] { Form_Unload(); });

    // Timers stop at once: the surface itself may only go once the event that
    // closed it has been handled.
    for (FormTimer *timer : m_surface->findChildren<FormTimer *>())
        delete timer;
    m_loss.reset();
    m_fixedSize.reset();
    FormSurface *surface = m_surface;
    m_surface = nullptr;
    QWidget *owner = surface->parentWidget();
    const bool hadFocus = surface->isActiveWindow();
    surface->hide();
    surface->deleteLater();
    // Window managers pass the focus on by their own rules, often to the
    // desktop; a keyboard user must find it where they were before. Asked
    // once the hiding is through: openbox ignores the request while the
    // closing window still holds the focus.
    if (owner && hadFocus)
        QTimer::singleShot(0, owner, [owner] { owner->activateWindow(); });
    m_unloading = false;

    if (m_modalLoop)
        m_modalLoop->quit();
    emit unloaded();
}

double Form::left() const
{
    if (!m_surface)
        return 0.0;
    return m_surface->x() == m_placed.x() ? m_placedTwips.x()
                                          : Twips::fromPixels(m_surface->x(), m_surface->screen());
}

double Form::top() const
{
    if (!m_surface)
        return 0.0;
    return m_surface->y() == m_placed.y() ? m_placedTwips.y()
                                          : Twips::fromPixels(m_surface->y(), m_surface->screen());
}

double Form::width() const
{
    return m_width;
}

double Form::height() const
{
    return m_height;
}

void Form::setLeft(double twips)
{
    if (!m_surface)
        return;
    m_placed.setX(pixels(twips));
    m_placedTwips.setX(twips);
    m_surface->move(m_placed.x(), m_surface->y());
}

void Form::setTop(double twips)
{
    if (!m_surface)
        return;
    m_placed.setY(pixels(twips));
    m_placedTwips.setY(twips);
    m_surface->move(m_surface->x(), m_placed.y());
}

void Form::setWidth(double twips)
{
    m_width = twips;
    applyClientSize();
}

void Form::setHeight(double twips)
{
    m_height = twips;
    applyClientSize();
}

void Form::useDesignSize()
{
    const QMargins &frame = m_design.frameTwips;
    m_width = m_design.clientTwips.width() + frame.left() + frame.right();
    m_height = m_design.clientTwips.height() + frame.top() + frame.bottom();
    applyClientSize();
}

void Form::applyClientSize()
{
    if (!m_surface)
        return;
    const QMargins &frame = m_design.frameTwips;
    const int clientWidth = std::max(0, pixels(m_width - frame.left() - frame.right()));
    const int clientHeight = std::max(0, pixels(m_height - frame.top() - frame.bottom()));
    m_fixedSize->hold(QSize(clientWidth, clientHeight));
}

FormTimer *Form::timer(const QString &name) const
{
    return control<FormTimer>(name);
}

FormTimer *Form::timer(const char *name) const
{
    return timer(QLatin1String(name));
}

void Form::place(QWidget *control, int left, int top, int width, int height) const
{
    control->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
}

int Form::pixels(double twips) const
{
    return Twips::toPixels(twips, m_surface ? m_surface->screen() : nullptr);
}

FormTimer *Form::addTimer(const QString &name, bool enabled)
{
    auto *timer = new FormTimer(name, m_context.timers, m_surface);
    timer->setEnabled(enabled);
    return timer;
}

void Form::guarded(const char *name, const std::function<void()> &handler)
{
    m_context.failures.run(name, handler);
}

void Form::restoreGeometry(const GeometryKeys &keys)
{
    m_geometryKeys = keys;
    Settings &settings = m_context.settings;
    setLeft(settings.readPosition(keys.left));
    setTop(settings.readPosition(keys.top));
    QRect screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens |= screen->availableGeometry();
    const auto largest = [&](int pixels) {
        return screens.isEmpty() ? std::numeric_limits<float>::infinity()
                                 : static_cast<float>(Twips::fromPixels(pixels, nullptr));
    };
    setWidth(settings.readSize(keys.width, largest(screens.width())));
    setHeight(settings.readSize(keys.height, largest(screens.height())));
}

void Form::addControls(std::span<const ControlDesign> designs, QWidget *surface,
                       const Dressing &dress)
{
    using Kind = ControlDesign::Kind;
    std::map<int, QWidget *> tabOrder;
    for (const ControlDesign &design : designs) {
        const QString caption = QLatin1String(design.caption);
        QWidget *control = nullptr;
        switch (design.kind) {
        case Kind::Picture:
            control = new PictureBox(surface);
            break;
        case Kind::Text:
            control = new TextField(surface);
            break;
        case Kind::MultiLine:
            control = new MultiLineField(surface);
            break;
        case Kind::Tick:
            control = new TickBox(caption, surface);
            break;
        case Kind::Label:
            control = new Label(caption, surface);
            break;
        case Kind::Button:
            control = new QPushButton(caption, surface);
            break;
        case Kind::Line:
            control = new Line(QPoint(pixels(design.left), pixels(design.top)),
                               QPoint(pixels(design.width), pixels(design.height)), surface);
            break;
        }
        control->setObjectName(QLatin1String(design.name));
        if (design.kind != Kind::Line)
            place(control, design.left, design.top, design.width, design.height);
        if (design.tab >= 0)
            tabOrder.emplace(design.tab, control);
        if (dress)
            dress(design, control);
    }
    QWidget *previous = nullptr;
    for (const auto &[place, control] : tabOrder) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QStringList Form::saveFlag(SettingKey key, int state)
{
    if (const Refusal reason = m_context.settings.saveFlag(key, state))
        return {settingName(key) + QStringLiteral(": ") + *reason};
    return {};
}

QStringList Form::savePosition(const Flags &flags)
{
    if (!m_geometryKeys)
        return {};
    Settings &settings = m_context.settings;
    const GeometryKeys &keys = *m_geometryKeys;
    std::vector<Settings::Save> saves{settings.position(keys.left, static_cast<float>(left())),
                                      settings.position(keys.top, static_cast<float>(top()))};
    for (const auto &[key, state] : flags)
        saves.push_back(settings.flag(key, state));
    const std::vector<Refusal> refusals = settings.save(saves);
    QStringList refused;
    for (std::size_t i = 0; i < saves.size(); ++i) {
        if (refusals[i])
            refused << settingName(saves[i].key) + QStringLiteral(": ") + *refusals[i];
    }
    return refused;
}

void Form::rememberPosition(const Flags &flags)
{
    m_context.failures.settingsNotSaved(savePosition(flags));
}
