#pragma once
// Controls drawn by the layer itself: the base with mouse events, labels and pictures.
#include "colors.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tk {

struct Font {
    std::string family = "MS Sans Serif";  // mapped to an installed metric-compatible face
    int height = 11;                       // character height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Color color = clBlack;
};
QFont toQFont(const Font& font);

enum class MouseButton { Left, Right, Middle };

// A control placed in a window's client area, with the mouse events the games bind handlers to.
// A left-button press holds the mouse for the control until the release; the release of another
// button goes to the control under the pointer.
class Control : public QWidget {
public:
    explicit Control(QWidget* parent);

    void place(int left, int top, int width, int height);
    int Left() const { return x(); }
    int Top() const { return y(); }
    void setLeft(int left) { move(left, y()); }
    void setTop(int top) { move(x(), top); }
    void setHint(const std::string& hint);
    void setHandCursor();
    void repaintNow() { repaint(); }

    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;
    std::function<void(MouseButton)> OnMouseDown;
    std::function<void(MouseButton)> OnMouseUp;
    std::function<void()> OnClick;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

enum class Alignment { Left, Right, Center };

// A caption with '&' as the mnemonic mark, drawn greyed when disabled.
class Label : public Control {
public:
    Label(QWidget* parent, int left, int top, const std::string& caption, const Font& font = {});

    void setCaption(const std::string& caption);  // Windows-1251 text
    const std::string& caption() const { return caption_; }
    void setFont(const Font& font);
    const Font& font() const { return font_; }
    void setFontColor(Color color);
    Color fontColor() const { return font_.color; }
    void setAlignment(Alignment alignment);
    // Sizing to the text, as a label does unless it is given a fixed size.
    void setAutoSize(bool on);
    void setWordWrap(bool on);
    // Opaque labels fill their rectangle with their colour; transparent ones let the window show.
    void setOpaque(Color color);
    void setEnabledLook(bool enabled);
    bool enabledLook() const { return enabled_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToText();
    int textFlags() const;

    std::string caption_;
    Font font_;
    Alignment alignment_ = Alignment::Left;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool opaque_ = false;
    Color background_ = clBtnFace;
    bool enabled_ = true;
};

// A picture stored with a window (compiled into the program), decoded through the JPEG codec:
// while a DesignPictureSharing is in force, on its thread ahead of need. Taken as a QImage, it is
// waited for (or decoded at once if its turn has not come); a decode that failed throws there.
class DesignPicture {
public:
    operator QImage() const;

private:
    friend DesignPicture designPicture(const char* name);
    friend class DesignPictureSharing;
    struct Decoding;
    explicit DesignPicture(std::shared_ptr<Decoding> decoding) : decoding_(std::move(decoding)) {}
    std::shared_ptr<Decoding> decoding_;
};

// Throws, naming it, when the program holds no picture of that name.
DesignPicture designPicture(const char* name);

// A picture control. A look loaded from a file replaces the picture; a failed load keeps it.
class Image : public Control {
public:
    Image(QWidget* parent, int left, int top, int width, int height);

    void setPicture(const QImage& picture);
    // A design picture still decoding is waited for only when it is first drawn or asked for.
    void setPicture(const DesignPicture& picture);
    const QImage& picture() const;
    // Loads a JPEG file (a path with '\' works); throws, keeping the old picture, when it cannot.
    void LoadFromFile(const std::string& path);
    void setStretch(bool on);
    // Fills its parent and follows it when the parent is resized.
    void setAlignClient();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    mutable QImage picture_;
    mutable std::optional<DesignPicture> pending_;  // until the picture is first needed
    bool stretch_ = false;
};

// A sunken frame around a group of controls.
class Bevel : public QWidget {
public:
    Bevel(QWidget* parent, int left, int top, int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// From its making until it ends, the program's design pictures are decoded on a thread of their
// own, the largest first, each once: the windows made meanwhile share them and wait only for a
// picture they draw or read before it is done. Afterwards only the windows hold their pictures.
// At most one is in force; one made while another lives does nothing. It pays for its thread in
// the first painted frame: Velmora's background, 1280 x 1024, is decoded while the windows are
// made instead of in the first paint.
class DesignPictureSharing {
public:
    DesignPictureSharing();
    ~DesignPictureSharing();
    DesignPictureSharing(const DesignPictureSharing&) = delete;
    DesignPictureSharing& operator=(const DesignPictureSharing&) = delete;

private:
    friend DesignPicture designPicture(const char* name);
    struct Decoder;
    static Decoder* active_;
    std::unique_ptr<Decoder> decoder_;
};

}  // namespace tk
