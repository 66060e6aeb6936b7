#pragma once
#include <irrlicht.h>

#include <functional>
#include <string>

// The picture shown while the program starts: a background photo, the logo
// and a progress bar that advances one step at each stage of start-up, so a
// pilot on a slow device sees that something is happening.
class LoadingProgressCallback {
public:
    LoadingProgressCallback(irr::IrrlichtDevice* device, const std::string& logoPath,
                            const std::string& backgroundPath, float stepFraction);
    ~LoadingProgressCallback();

    void nextStep();
    // Draws a frame of the loading screen. offScreenWork runs in the frame
    // before the screen is drawn, for drawing into textures (the scene must
    // be open for that); anything it draws on the screen is covered.
    void draw(const std::function<void()>& offScreenWork = {});
    // A line under the bar saying what is being loaded.
    void setText(const std::wstring& line) { text = line; }
    float getProgress() const { return progress; }

private:
    irr::IrrlichtDevice* device;
    irr::video::ITexture* logo;
    irr::video::ITexture* background;
    float step;
    float progress = 0.0f;
    std::wstring text;
};
