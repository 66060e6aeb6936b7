#pragma once
#include <string>

#include "panels/IPanel.h"
#include "panels/IPanelFactory.h"

class ICommonAppContext;

// A panel kind this version cannot draw yet: it shows the kind's name in a
// frame, so that every layout is visible and its sections keep their place
// in the configuration.
class PlaceholderPanel : public IPanel {
public:
    PlaceholderPanel(ICommonAppContext* context, std::string kindName);
    void render(irr::core::rect<int> area) override;
    bool processEvent(irr::SEvent /*event*/) override { return true; }
    std::string getName() override { return kindName; }

private:
    ICommonAppContext* context;
    std::string kindName;
};

class PlaceholderPanelFactory : public IPanelFactory {
public:
    PlaceholderPanelFactory(ICommonAppContext* context, std::string kindName);
    void loadSetupFromIni(IniFile* /*ini*/, std::string /*section*/) override {}
    void setup(IniFile* /*ini*/, std::string /*section*/) override {}
    IPanel* Create() override;
    std::string getName() override { return kindName; }
    void renderPreview(irr::core::rect<int> area) override;
    void renderPreview(irr::core::rect<int> area, IPanel* panel) override;

private:
    ICommonAppContext* context;
    std::string kindName;
};

// Draws the frame and centred name used by placeholders and previews.
void drawNamedFrame(ICommonAppContext* context, const irr::core::rect<int>& area, const std::string& name);
