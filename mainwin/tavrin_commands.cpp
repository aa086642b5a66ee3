// The main window's control handlers and the fields the commands and the refresh fill.
#include "mainwin/tavrin_dlg.h"

#include "glyph/last_settings.h"
#include "image/picture_type.h"
#include "mainwin/about_dlg.h"
#include "mainwin/char_codes_dlg.h"
#include "mainwin/glyph_files.h"
#include "mainwin/view_widget.h"
#include "mainwin/widgets.h"
#include "services/messages.h"
#include "services/services.h"
#include "services/settings_store.h"
#include "widgets/images.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace lumina {
namespace {

constexpr const char* kPictureFilter =
    "イメージファイル(jpeg, gif, bmp, png, tiff) "
    "|*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.tif;*.tiff|JPEGファイル(*.jpeg)|*.jpg;*.jpeg|"
    "GIFファイル(*.gif)|*.gif|ビットマップファイル(*.bmp)|*.bmp|PNGファイル(*.png)|*.png|"
    "TIFFファイル(*.tiff)|*.tif;*.tiff||";

QString Number(int value) {
    return QString::number(value);
}

} // namespace

void CTavrinDlg::ConnectControls() {
    // Enter does nothing in this window: no button takes it.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    connect(m_applyChar, &QToolButton::clicked, this, [this] { OnApplyCharacter(); });
    connect(m_applyCode, &QToolButton::clicked, this, [this] { m_commands.ApplyCodeField(); });
    connect(m_prevCode, &QToolButton::clicked, this, [this] { m_commands.StepCode(-1); });
    connect(m_nextCode, &QToolButton::clicked, this, [this] { m_commands.StepCode(+1); });
    connect(m_codePanelButton, &QToolButton::clicked, this, [this] { OpenCodePanel(); });
    connect(m_codeField, &QLineEdit::textChanged, this, [this] { m_commands.ShowCodeHex(); });
    connect(m_fontList, &QComboBox::currentIndexChanged, this, [this] { OnFontSelected(); });
    m_sizeSpin->SetOnStep([this](int step) { OnSizeStep(step); });
    m_angleSpin->SetOnStep([this](int step) { OnAngleStep(step); });
    connect(m_zeroAngle, &QPushButton::clicked, this, [this] { OnZeroAngle(); });
    connect(m_bold, &QCheckBox::toggled, this,
            [this](bool on) { OnFlag(&GlyphRequest::FontBold, last::FontBold, on); });
    connect(m_italic, &QCheckBox::toggled, this,
            [this](bool on) { OnFlag(&GlyphRequest::FontItalic, last::FontItalic, on); });
    const auto& switches = ViewOptions::Switches();
    for (size_t i = 0; i < switches.size(); ++i) {
        const ViewOptions::Switch& row = switches[i];
        connect(m_switches[i], &QCheckBox::toggled, this,
                [this, &row](bool on) { OnSwitch(row, on); });
    }
    for (int i = 0; i < 3; ++i) {
        const auto mode = static_cast<DisplayMode>(i + 1);
        connect(m_modeButtons[i], &QPushButton::clicked, this, [this, mode] { OnMode(mode); });
    }
    connect(m_outlineFile, &QPushButton::clicked, this, [this] { OnWriteOutlineFile(); });
    connect(m_centre, &QToolButton::clicked, this, [this] { OnCentre(); });
    connect(m_bitPicture, &QToolButton::clicked, this, [this] { OnWriteBitPicture(); });
    connect(m_characterArt, &QToolButton::clicked, this, [this] { OnCharacterArt(); });
    m_characterArt->SetOnDrop([this](const std::string& path) { OpenArtWindow(path); });
    connect(m_print, &QToolButton::clicked, this, [this] {
        if (m_printHook)
            m_printHook();
    });
    connect(m_about, &QToolButton::clicked, this, [this] { OnAbout(); });
    connect(m_manual, &QToolButton::clicked, this, [this] {
        if (m_manualHook)
            m_manualHook(MessageText(kMsgManualName));
    });
    connect(m_exit, &QToolButton::clicked, this, [this] { reject(); });
}

void CTavrinDlg::OnApplyCharacter() {
    m_refreshed = false;
    m_commands.OnApplyCharacter();
    // An accepted request shows the size and angle it took (clamped) in their fields.
    if (m_refreshed) {
        m_sizeSpin->SetValue(m_state.request.FontSize);
        m_angleSpin->SetValue(m_state.request.FontDeg);
    }
}

void CTavrinDlg::OnFontSelected() {
    const std::string face = SelectedFace();
    m_state.request.FontName = face;
    if (face.empty()) {
        ShowMessageById(m_services, OwnerWindow(), "", kMsgNoFont, kInfoOk);
        return;
    }
    last::FontName.Write(m_services.settings, face);
    Refresh();
}

void CTavrinDlg::OnSizeStep(int step) {
    GlyphRequest& request = m_state.request;
    request.FontSize = std::clamp(request.FontSize + step, 1, 1000);
    m_sizeSpin->SetValue(request.FontSize);
    last::FontSize.Write(m_services.settings, request.FontSize);
    Refresh();
}

void CTavrinDlg::OnAngleStep(int step) {
    GlyphRequest& request = m_state.request;
    request.FontDeg = std::clamp(request.FontDeg + step, 0, 359);
    m_angleSpin->SetValue(request.FontDeg);
    last::FontDeg.Write(m_services.settings, request.FontDeg);
    Refresh();
}

void CTavrinDlg::OnZeroAngle() {
    if (m_state.request.FontDeg == 0)
        return;
    // Not stored: the angle spin or the apply button stores the angle.
    m_state.request.FontDeg = 0;
    m_angleSpin->SetValue(0);
    Refresh();
}

void CTavrinDlg::OnSwitch(const ViewOptions::Switch& row, bool on) {
    m_state.options.*row.member = on;
    row.Write(m_services.settings, on);
    Refresh();
}

void CTavrinDlg::OnFlag(int GlyphRequest::*member, const BoolSetting& row, bool on) {
    m_state.request.*member = on ? 1 : 0;
    row.Write(m_services.settings, on);
    Refresh();
}

void CTavrinDlg::OnMode(DisplayMode mode) {
    if (mode == m_state.mode) {
        // The current mode's button stays pressed.
        ShowModeLamps();
        return;
    }
    m_state.mode = mode;
    ShowModeLamps();
    last::DspMode.Write(m_services.settings, static_cast<int>(mode));
    RepaintView();
}

void CTavrinDlg::ShowModeLamps() {
    for (int i = 0; i < 3; ++i) {
        const bool lit = m_state.mode == static_cast<DisplayMode>(i + 1);
        m_modeButtons[i]->setChecked(lit);
        m_modeButtons[i]->setIcon(LampIcon(lit));
    }
}

void CTavrinDlg::OnCentre() {
    m_state.OrgX = m_viewRect.Width() / 2;
    last::OrgX.Write(m_services.settings, m_state.OrgX);
    m_state.OrgY = m_viewRect.Height() / 2;
    last::OrgY.Write(m_services.settings, m_state.OrgY);
    Refresh();
}

void CTavrinDlg::OnCharacterArt() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.owner = OwnerWindow();
    request.title = "原本イメージファイルを指定";
    request.filter = kPictureFilter;
    const auto path = m_services.prompter.FileName(request);
    if (!path)
        return;
    OpenArtWindow(*path);
}

void CTavrinDlg::OpenArtWindow(const std::string& path) {
    const PictureType type = PictureTypeFromPath(path);
    if (type.empty()) {
        ShowMessageById(m_services, OwnerWindow(), path + "\n", kMsgNotImage, kInfoOk);
        return;
    }
    if (m_artHook)
        m_artHook(path, type);
}

void CTavrinDlg::OpenCodePanel() {
    if (!m_codePanel) {
        m_codePanel = new CCharCodesDlg(this);
        m_codePanel->ShowCharacter(m_state.request.Shown());
        // Over the view's top-left corner, clear of the controls it describes.
        m_codePanel->move(mapToGlobal(QPoint(m_viewRect.left + 12, m_viewRect.top + 12)));
    }
    m_codePanel->show();
    m_codePanel->raise();
    m_codePanel->activateWindow();
}

void CTavrinDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CTavrinDlg::OnWriteOutlineFile() {
    WriteOutlinePointFile(m_services, OwnerWindow(), m_glyphView.Outline(), m_state.request);
}

void CTavrinDlg::OnWriteBitPicture() {
    BitStrings fields;
    fields.ink = m_bit1Field->text().toStdString();
    fields.background = m_bit0Field->text().toStdString();
    WriteBitPicture(m_services, OwnerWindow(), m_glyphView.Outline(), m_state.request, fields);
    // An empty field the user agreed to fill shows what was used.
    m_bit1Field->setText(QString::fromStdString(fields.ink));
    m_bit0Field->setText(QString::fromStdString(fields.background));
}

std::string CTavrinDlg::CharacterText() const {
    return m_charField->text().toStdString();
}

void CTavrinDlg::SetCharacterText(const std::string& utf8) {
    m_charField->setText(QString::fromStdString(utf8));
}

std::string CTavrinDlg::CodeText() const {
    return m_codeField->text().toStdString();
}

void CTavrinDlg::SetCodeText(const std::string& text) {
    m_codeField->setText(QString::fromStdString(text));
}

void CTavrinDlg::SetCodeDisplay(const std::string& text) {
    m_codeDisplay->setText(QString::fromStdString(text));
}

std::string CTavrinDlg::SelectedFace() const {
    return m_fontList->currentIndex() < 0 ? std::string() : m_fontList->currentText().toStdString();
}

std::string CTavrinDlg::SizeText() const {
    return m_sizeSpin->Field()->text().toStdString();
}

std::string CTavrinDlg::AngleText() const {
    return m_angleSpin->Field()->text().toStdString();
}

void CTavrinDlg::FocusCharacterField() {
    m_charField->setFocus();
}

void CTavrinDlg::FocusFontList() {
    m_fontList->setFocus();
}

void CTavrinDlg::ShowTextMetrics(const TextMetrics& m) {
    const int values[] = {m.tmHeight,          m.tmAscent,          m.tmDescent,
                          m.tmInternalLeading, m.tmExternalLeading, m.tmAveCharWidth,
                          m.tmMaxCharWidth,    m.tmWeight};
    for (size_t i = 0; i < m_textValues.size(); ++i)
        m_textValues[i]->setText(Number(values[i]));
}

void CTavrinDlg::ShowGlyphMetrics(const GlyphMetrics* m) {
    if (!m) {
        for (QLabel* field : m_glyphValues)
            field->clear();
        return;
    }
    const int values[] = {static_cast<int>(m->gmBlackBoxX),
                          static_cast<int>(m->gmBlackBoxY),
                          m->gmptGlyphOrigin.x,
                          m->gmptGlyphOrigin.y,
                          m->gmCellIncX,
                          m->gmCellIncY};
    for (size_t i = 0; i < m_glyphValues.size(); ++i)
        m_glyphValues[i]->setText(Number(values[i]));
}

void CTavrinDlg::ShowCounts(const std::string& text) {
    m_counts->setText(QString::fromStdString(text));
}

void CTavrinDlg::ShowInkRatio(const std::string& text) {
    m_inkRatio->setText(QString::fromStdString(text));
}

} // namespace lumina
