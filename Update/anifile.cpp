#include "Update/anifile.h"

#include "platform/FileIO.h"
#include "platform/Timer.h"


TAniFile::TAniFile(const TAniFile& other)
    : TObject()
    , m_data(other.m_data)
    , m_contents(other.m_contents)
{
}

TAniFile& TAniFile::operator=(const TAniFile& other)
{
    if (this != &other) {
        m_data = other.m_data;
        m_contents = other.m_contents;
        m_current = 0;
        m_tick = 0;
    }
    return *this;
}

void TAniFile::ReadData(std::string_view data)
{
    // The icon repaints whatever frames the read left behind.
    struct Notify {
        TAniFile* file;
        ~Notify() { file->frameChanged(); }
    } notify { this };
    load(data);
}

void TAniFile::LoadFromStream(std::string_view data) { load(data); }

void TAniFile::LoadFromFile(const std::string& path) { load(ReadWholeFile(path)); }

void TAniFile::Clear() { load({}); }

// The frames always belong to the data kept: they are dropped before the new
// ones are read, also when the new data holds none.
void TAniFile::load(std::string_view data)
{
    m_data.assign(data);
    m_contents = TAniContents();
    m_current = 0;
    m_tick = 0;
    ReadAniFile(m_data, m_contents);
}

void TAniFile::Draw(TCanvas& canvas, const TRect&) const
{
    if (m_current < 0 || m_current >= FrameCount())
        return;
    const TIconImage& icon = m_contents.Frames[std::size_t(m_current)];
    for (int y = 0; y < TIconImage::Size; ++y)
        for (int x = 0; x < TIconImage::Size; ++x) {
            std::size_t i = std::size_t(y * TIconImage::Size + x);
            TColor c = icon.Color[i];
            if (!icon.Mask[i])
                canvas.SetPixel(x, y, c);
            else if (c != clBlack)
                canvas.SetPixel(x, y, ColorToRGB(canvas.Pixel(x, y)) ^ c);
        }
}

void TAniFile::SetCurrentFrame(int frame)
{
    if (frame < 0 || frame >= FrameCount())
        frame = 0;
    m_current = frame;
    m_tick = 0;
}

void TAniFile::Step()
{
    m_tick += 2;
    if (m_contents.Rates[std::size_t(m_current)] >= m_tick)
        return;
    m_tick = 0;
    int next = m_current + 1;
    if (next >= TAniContents::MaxFrames || next >= FrameCount())
        next = 0;
    m_current = next;
    frameChanged();
}

void TAniFile::frameChanged()
{
    if (OnFrameChange)
        OnFrameChange(this);
}

// ---------------------------------------------------------------------------

TAniIcon::TAniIcon(TComponent* owner)
    : TGraphicControl(owner)
{
    ControlStyle |= csOpaque;
    SetBounds(0, 0, TIconImage::Size, TIconImage::Size);
    m_file.OnFrameChange = [this](TObject*) {
        if (!Destroying())
            Invalidate();
    };
}

TAniIcon::~TAniIcon()
{
    BeginDestroy();
    m_timer.reset();
}

void TAniIcon::SetAniFile(const TAniFile& file)
{
    m_file = file;
    Invalidate();
}

void TAniIcon::SetAnimated(bool on)
{
    m_animated = on;
    if (on == TimerRunning())
        return;
    if (!on) {
        m_timer.reset();
        return;
    }
    m_timer = std::make_unique<TTimer>(nullptr);
    m_timer->SetInterval(FrameInterval);
    m_timer->OnTimer = [this](TObject*) { m_file.Step(); };
}

void TAniIcon::SetFrame(int frame)
{
    m_file.SetCurrentFrame(frame);
    Invalidate();
}

void TAniIcon::SetColor(TColor color)
{
    m_color = color;
    Invalidate();
}

void TAniIcon::PaintTo(TCanvas& canvas) const
{
    canvas.Brush.Color = m_color;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect({ 0, 0, Width(), Height() });
    m_file.Draw(canvas, { 0, 0, Width(), Height() });
}

void TAniIcon::Paint() { PaintTo(*Canvas()); }
