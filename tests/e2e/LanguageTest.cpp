// The panel speaks the user's language: every text from that language's table and the
// README of that language only.
#include "harness/PanelTest.h"
#include "res/resource.h"

namespace drvprop::e2e {
namespace {

struct LanguageCase {
  const char* name;
  const char* locale;
  const wchar_t* readme;  // suffix of the language's README file
  const wchar_t* title;
  const wchar_t* version;
  const wchar_t* apply;
  const wchar_t* readmeLabel;
  const wchar_t* asioLine;  // level 5, 48000 Hz, one unit
};

const LanguageCase kLanguages[] = {
    {"English", "en_US.UTF-8", L"EN", L"Talvex Driver Settings", L"Talvex Driver 1.0.0", L"Apply",
     L"Show \"README\"", L"ASIO Buffer Size:  320 samples"},
    {"German", "de_DE.UTF-8", L"DE", L"Talvex Treibereinstellungen", L"Talvex-Treiber 1.0.0",
     L"Übernehmen", L"\"README\" anzeigen", L"ASIO-Puffergröße:  320 Samples"},
    {"Spanish", "es_ES.UTF-8", L"ES", L"Talvex Configuración del controlador",
     L"Controlador Talvex 1.0.0", L"Aplicar", L"Mostrar \"README\"",
     L"Tamaño del búfer ASIO:  320 muestras"},
    {"French", "fr_FR.UTF-8", L"FR", L"Talvex Paramètres du pilote", L"Pilote Talvex 1.0.0",
     L"Appliquer", L"Afficher \"README\"", L"Tampon ASIO :  320 échantillons"},
    {"Italian", "it_IT.UTF-8", L"IT", L"Talvex Impostazioni del driver", L"Talvex Driver 1.0.0",
     L"Applica", L"Mostra \"README\"", L"Dimensione buffer ASIO:  320 campioni"},
    {"Dutch", "nl_NL.UTF-8", L"NL", L"Talvex Stuurprogramma-instellingen",
     L"Talvex Stuurprogramma 1.0.0", L"Toepassen", L"\"README\" weergeven",
     L"ASIO-buffergrootte:  320 samples"},
    {"Portuguese", "pt_PT.UTF-8", L"PT", L"Talvex Configurações do Driver", L"Talvex Driver 1.0.0",
     L"Aplicar", L"Mostrar \"README\"", L"Tamanho do buffer ASIO:  320 amostras"},
    {"Japanese", "ja_JP.UTF-8", L"JP", L"Talvex Driver の設定", L"Talvex Driver 1.0.0", L"適用",
     L"「README」を表示", L"ASIO バッファサイズ:  320 サンプル"},
};

class LanguageTest : public PanelTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LanguageTest, SettingsDialogSpeaksTheUsersLanguage) {
  const LanguageCase& c = GetParam();
  Panel panel = StartPanel(c.locale);
  HWND dialog = WaitForMainDialog(panel, c.title);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_STATIC_VER), c.version);
  EXPECT_EQ(ControlText(dialog, IDC_BN_APPLY), c.apply);
  EXPECT_EQ(ControlText(dialog, IDC_BN_README), c.readmeLabel);
  EXPECT_EQ(ControlText(dialog, IDC_STATIC_ASIO_BUF), c.asioLine);
  EXPECT_TRUE(ControlEnabled(dialog, IDC_BN_README));
}

INSTANTIATE_TEST_SUITE_P(, LanguageTest, ::testing::ValuesIn(kLanguages), CaseName());

using ReadmeLanguageTest = PanelTest;

// There is no fallback to another language's README: the English one is still there.
TEST_F(ReadmeLanguageTest, GermanButtonIsGreyedWithoutTheGermanFile) {
  const LanguageCase& german = kLanguages[1];
  installation().RemoveReadme(german.readme);
  Panel panel = StartPanel(german.locale);
  HWND dialog = WaitForMainDialog(panel, german.title);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(ControlEnabled(dialog, IDC_BN_README));
  EXPECT_EQ(ControlText(dialog, IDC_BN_README), german.readmeLabel);
}

}  // namespace
}  // namespace drvprop::e2e
