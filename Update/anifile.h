#pragma once
// The animated icon: TAniFile, a 32 x 32 graphic that keeps the bytes of an
// animated cursor file and the frame icons built from them, and TAniIcon,
// the control that shows it and steps through its frames every 20 ms while
// Animated is set.

#include "Update/AniFileReader.h"
#include "platform/CustomControl.h"
#include "platform/Graphics.h"

#include <memory>
#include <string>
#include <string_view>

class TTimer;

class TAniFile : public TObject {
public:
    TAniFile() = default;
    // Copies the data and the frames built from it; the OnFrameChange
    // binding of the target stays its own.
    TAniFile(const TAniFile&);
    TAniFile& operator=(const TAniFile&);

    // Loading: the data becomes these bytes and the frames are built again;
    // the first frame becomes current. A file that ends too early raises
    // EReadError with the frames read before it kept.
    // ReadData is the window definition's load and fires OnFrameChange.
    void ReadData(std::string_view data);
    void LoadFromStream(std::string_view data);
    // The file's bytes, through the same path (EFOpenError, EReadError).
    void LoadFromFile(const std::string& path);
    // Empty data, no frames.
    void Clear();

    // Saving writes back the bytes as loaded.
    std::string WriteData() const { return m_data; }
    std::string SaveToStream() const { return m_data; }
    const std::string& Data() const { return m_data; }

    // Draws the current frame at the canvas origin (the rectangle is not
    // used); nothing when there is no frame.
    void Draw(TCanvas&, const TRect&) const;
    bool Empty() const { return false; }
    int Width() const { return TIconImage::Size; }
    int Height() const { return TIconImage::Size; }
    void SetWidth(int) {}
    void SetHeight(int) {}

    int FrameCount() const { return int(m_contents.Frames.size()); }
    int CurrentFrame() const { return m_current; }
    // Frames out of range or without an icon go to frame 0; the step count
    // starts again.
    void SetCurrentFrame(int);
    // One 20 ms step: the frame shows for its rate in 10 ms ticks (at
    // least one step), then the next one follows, back to the first after
    // the last.
    void Step();

    const TAniHeader& Header() const { return m_contents.Header; }
    std::uint32_t Rate(int frame) const { return m_contents.Rates.at(std::size_t(frame)); }
    const TAniContents& Contents() const { return m_contents; }

    // The frame changed, or data was read through ReadData.
    TNotifyEvent OnFrameChange;

private:
    void load(std::string_view data);
    void frameChanged();

    std::string m_data;
    TAniContents m_contents;
    int m_current = 0;
    std::uint32_t m_tick = 0;
};

class TAniIcon : public TGraphicControl {
public:
    static constexpr unsigned FrameInterval = 20;  // ms

    explicit TAniIcon(TComponent* owner);
    ~TAniIcon() override;

    TAniFile& AniFile() { return m_file; }
    const TAniFile& AniFile() const { return m_file; }
    // Takes a copy of the given file; repaints.
    void SetAniFile(const TAniFile&);

    bool Animated() const { return m_animated; }
    // Starts or stops the frame timer; stopping keeps the frame shown.
    void SetAnimated(bool);
    bool TimerRunning() const { return m_timer != nullptr; }

    int Frame() const { return m_file.CurrentFrame(); }
    // Out of range or empty slots show frame 0; repaints.
    void SetFrame(int);

    TColor Color() const { return m_color; }
    void SetColor(TColor);

    // Draws the control as it looks now onto a canvas of its size.
    void PaintTo(TCanvas&) const;

protected:
    void Paint() override;

private:
    TAniFile m_file;
    std::unique_ptr<TTimer> m_timer;
    bool m_animated = false;
    TColor m_color = clBtnFace;
};
