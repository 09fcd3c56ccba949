// Form Vantrel_P: the settings dialog titled "<Corvessa>". It shows the music settings, lets
// the user choose the kind, the CD track and the music file, and writes them to Corvessa.ini
// only on "設定". Its controls are made with its window in Form_Load, since the panel and the
// track box are real child windows.
#pragma once

#include <memory>
#include <string>

#include "form.h"

// The title that marks an open settings dialog.
inline constexpr const char* kSettingsFormTitle = "<Corvessa>";

// The web page "その他の作品" opens.
inline constexpr const char* kOtherWorksAddress = "https://corvessa.example/works/";

struct VantrelPControls;

// For every Command button on `form` (those in its picture boxes too): Initialize when
// `initialize`, otherwise Enabled = `enable`.
void SetCommandState(forms::Form& form, bool initialize, bool enable);

class Vantrel_P : public forms::Form {
public:
    Vantrel_P();
    ~Vantrel_P() override;

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;

private:
    void makeControls();
    // The markers and the two kind-dependent controls for the current BGM_Kind.
    void showMusicKind();
    void Img_BGM_MouseDown(int index, int button, int shift, int x, int y);
    void lbl_BGM_MouseDown(int index, int button, int shift, int x, int y);
    void Cmd_BGM_Click();
    void Cmd_Set_Click();
    // "設定を保存できませんでした！" with the settings file's path.
    void showSaveFailed(const std::string& settingsPath);
    void Cmd_Can_Click();
    void Cmd_Etc_Click();

    std::unique_ptr<VantrelPControls> controls_;
};
