// SPDX-License-Identifier: MIT
#pragma once

#include "settings/SettingKey.h"
#include "ui/ControlDesign.h"
#include "ui/FormContext.h"
#include "ui/FormTimer.h"
#include "ui/TimerDesign.h"

#include <QMargins>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class FixedSize;
class FormSurface;
class QEventLoop;
class WindowLoss;

// One window of the program. The object lives for the whole run; loading
// creates its native window and controls with their design properties and
// runs Form_Load, unloading runs Form_Unload and destroys them again.
// Geometry is in twips; width and height are outer sizes, frame included.
class Form : public QObject
{
    Q_OBJECT

public:
    enum class Frame
    {
        ToolWindow,  // thin title bar, close box only
        FixedSingle, // normal title bar, close box only
    };

    struct Design
    {
        QString name;
        QString caption;
        Frame frame;
        bool inTaskbar;
        QSize clientTwips;
        QMargins frameTwips; // from the outer edge to the client area
    };

    Form(Design design, FormContext context, QObject *parent = nullptr);
    ~Form() override;

    [[nodiscard]] const Design &design() const { return m_design; }
    [[nodiscard]] bool isLoaded() const { return m_surface != nullptr; }
    [[nodiscard]] QWidget *surface() const;

    // Loads when needed; the window is not shown yet. An owned window unloads
    // before its owner does.
    void load(Form *owner = nullptr);
    void show();
    // Shows the window above its owner; other windows take no input, every
    // timer keeps firing. Returns once the window has unloaded.
    void showModal(Form &owner);
    void unload();

    [[nodiscard]] double left() const;
    [[nodiscard]] double top() const;
    [[nodiscard]] double width() const;
    [[nodiscard]] double height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);

    template <typename Control> Control *control(const QString &name) const
    {
        QWidget *window = surface();
        return window ? window->findChild<Control *>(name) : nullptr;
    }
    // By a name of the window's design tables (DesignTable.h).
    template <typename Control> Control *control(const char *name) const
    {
        return control<Control>(QLatin1String(name));
    }
    [[nodiscard]] FormTimer *timer(const QString &name) const;
    [[nodiscard]] FormTimer *timer(const char *name) const;

    // Tickbox states saved along with a position.
    using Flags = std::vector<std::pair<SettingKey, int>>;
    // Saves the left and top edges under the keys restoreGeometry read them
    // from, then the given flags, in one write of the store; returns
    // "KEY: reason" for each refusal, in that order. Saves nothing before
    // restoreGeometry.
    [[nodiscard]] QStringList savePosition(const Flags &flags = {});

signals:
    void unloaded();

protected:
    virtual void createControls(QWidget *surface) = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_DblClick() {}

    [[nodiscard]] FormContext &context() { return m_context; }

    struct GeometryKeys
    {
        SettingKey left;
        SettingKey top;
        SettingKey width;
        SettingKey height;
    };
    // Reads left, top, width and height in that order and applies each; a
    // size beyond all screens together reads as the default.
    void restoreGeometry(const GeometryKeys &keys);
    // How a window remembers where the user left it: savePosition, with each
    // refusal shown to the user.
    void rememberPosition(const Flags &flags = {});
    [[nodiscard]] QStringList saveFlag(SettingKey key, int state);
    // Creates the designed controls in order, named, placed and linked into
    // the keyboard's tab order; `dress` then gives each the window's touches.
    using Dressing = std::function<void(const ControlDesign &design, QWidget *control)>;
    void addControls(std::span<const ControlDesign> designs, QWidget *surface,
                     const Dressing &dress = {});
    // Puts a control at a design position, in twips of the client area.
    void place(QWidget *control, int left, int top, int width, int height) const;
    [[nodiscard]] int pixels(double twips) const;

    // Makes `signal` of `control` run the window's handler `name` through the
    // failure reporter, as every event handler runs.
    template <typename Control, typename Signal, typename Window>
    void handle(Control *control, Signal signal, const char *name, void (Window::*handler)())
    {
        auto *window = static_cast<Window *>(this);
        connect(control, signal, this, [this, window, name, handler] {
            guarded(name, [window, handler] { (window->*handler)(); });
        });
    }
    // A timer of the window whose ticks run `handler`.
    template <typename Window>
    FormTimer *addTimer(const TimerDesign &design, void (Window::*handler)())
    {
        FormTimer *timer = addTimer(QLatin1String(design.name), design.enabled);
        auto *window = static_cast<Window *>(this);
        const char *handlerName = design.handler;
        timer->onTimer([this, window, handlerName, handler] {
            guarded(handlerName, [window, handler] { (window->*handler)(); });
        });
        return timer;
    }

private:
    FormTimer *addTimer(const QString &name, bool enabled);
    void guarded(const char *name, const std::function<void()> &handler);
    void useDesignSize();
    void applyClientSize();
    void watchForLoss();

    Design m_design;
    FormContext m_context;
    FormSurface *m_surface = nullptr;
    std::unique_ptr<FixedSize> m_fixedSize;
    std::unique_ptr<WindowLoss> m_loss;
    std::vector<QPointer<Form>> m_owned;
    QPointer<QEventLoop> m_modalLoop;
    // Twips survive the trip through whole pixels while the window stays
    // where it was put: 1000 twips would otherwise come back as 1005.
    QPoint m_placed;
    QPointF m_placedTwips;
    std::optional<GeometryKeys> m_geometryKeys;
    double m_width = 0;
    double m_height = 0;
    bool m_unloading = false;
};
