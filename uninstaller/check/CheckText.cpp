#include "CheckText.h"

#include <cstdio>
#include <iterator>

#include "Cp1252.h"
#include "phases/RegistryEntries.h"

namespace uninst {

namespace {

// The texts of one kind of step, refusal or warning: an identifier for programs and a
// sentence in each language. In the sentences {t} is the entry's text, {s} its section,
// {n} another line, {r} a root, {u} a rule, {b} a byte.
struct Phrase {
    const char* id;
    const char* english;
    const char* french;
};

constexpr Phrase kSteps[] = {
    {"lower-count", "lower the shared count of {t}", "abaisser le compteur partag\xE9 de {t}"},
    {"unregister", "unregister {t}, unless another application uses it",
     "d\xE9sinscrire {t}, sauf si une autre application l'utilise"},
    {"delete-file", "delete the file {t}", "supprimer le fichier {t}"},
    {"delete-shared-file", "delete the file {t} once no other application uses it",
     "supprimer le fichier {t} quand plus aucune autre application ne l'utilise"},
    {"remove-folder", "remove the folder {t} if it is empty", "supprimer le dossier {t} s'il est vide"},
    {"delete-shortcut", "delete the shortcut {t}", "supprimer le raccourci {t}"},
    {"remove-group-folder", "remove the shortcuts' group folder {t} if they leave it empty",
     "supprimer le dossier de groupe des raccourcis {t} s'ils le laissent vide"},
    {"delete-registration", "delete the uninstall registration {t}",
     "supprimer l'inscription de d\xE9sinstallation {t}"},
    {"delete-value", "delete the value {t}", "supprimer la valeur {t}"},
    {"delete-key", "delete the key {t} with its subkeys", "supprimer la cl\xE9 {t} et ses sous-cl\xE9s"},
    {"refused", "REFUSED [{s}] {t}: ", "REFUS\xC9 [{s}] {t} : "},
};

constexpr Phrase kReasons[] = {
    {"no-root", "no ROOT\\ before the path", "pas de RACINE\\ avant le chemin"},
    {"root-itself", "names the root {r} itself", "d\xE9signe la racine {r} elle-m\xEAme"},
    {"value-under-root", "a value directly under {r}", "une valeur directement sous {r}"},
    {"protected-key", "a protected key under {r} (rule {u})",
     "une cl\xE9 prot\xE9g\xE9"
     "e sous {r} (r\xE8gle {u})"},
    {"not-one-key-name", "not one key name", "pas un seul nom de cl\xE9"},
    {"unresolvable-path", "a path that the text alone does not resolve",
     "un chemin que le texte seul ne r\xE9sout pas"},
    {"drive-root", "a drive or share root", "la racine d'un lecteur ou d'un partage"},
    {"standard-folder", "a standard folder", "un dossier standard"},
};

constexpr Phrase kWarnings[] = {
    {"listed-twice", "[{s}] {t} is listed twice (first on line {n})",
     "[{s}] {t} est list\xE9 deux fois (d'abord ligne {n})"},
    {"outside-application",
     "[{s}] {t} lies outside the application's folders (the log's folder and those of [Folders])",
     "[{s}] {t} est hors des dossiers de l'application (celui du journal et ceux de [Folders])"},
    {"shortcut-folder-stays", "the shortcut folder {t} stays: the log never empties it",
     "le dossier de raccourcis {t} reste : le journal ne le vide jamais"},
    {"outside-section", "ignored: {t} is outside any section",
     "ignor\xE9"
     "e : {t} est hors de toute section"},
    {"unread-section", "ignored: the uninstaller reads no section {t}",
     "ignor\xE9"
     "e : le programme ne lit aucune section {t}"},
    {"repeated-section", "ignored: {t} repeats the section of line {n}; only the first is read",
     "ignor\xE9"
     "e : {t} r\xE9p\xE8te la section de la ligne {n} ; seule la premi\xE8re est lue"},
    {"no-equals-sign", "ignored: {t} in [{s}] has no \"=\"",
     "ignor\xE9"
     "e : {t} dans [{s}] n'a pas de \xAB = \xBB"},
    {"unknown-key", "ignored: [{s}] has no key {t}",
     "ignor\xE9"
     "e : [{s}] n'a pas de cl\xE9 {t}"},
    {"repeated-key", "ignored: [{s}] {t} repeats line {n}; only the first is read",
     "ignor\xE9"
     "e : [{s}] {t} r\xE9p\xE8te la ligne {n} ; seule la premi\xE8re est lue"},
    {"text-ends-at-nul", "ignored: a NUL byte ends the text here", "ignor\xE9 : un octet NUL termine le texte ici"},
    {"not-cp1252", "byte 0x{b} is no Windows-1252 text", "l'octet 0x{b} n'est pas du texte Windows-1252"},
    {"looks-like-utf8", "UTF-8 text, read as Windows-1252", "texte UTF-8, lu comme du Windows-1252"},
    {"default-texts", "[{s}] lacks {t}: the uninstaller shows its built-in English texts",
     "[{s}] n'a pas {t} : le programme affiche ses textes anglais int\xE9gr\xE9s"},
    {"no-application-name", "[Application] Name is missing: the uninstall registration stays",
     "[Application] Name est absent : l'inscription de d\xE9sinstallation reste"},
};

constexpr Phrase kUnreadable[] = {
    {"", "", ""},
    {"usage", "the command line is wrong", "la ligne de commande est erron\xE9"
                                            "e"},
    {"missing", "nothing there: no such file", "rien \xE0 cet endroit : ce fichier n'existe pas"},
    {"folder", "a folder, not the log file", "un dossier, pas le fichier journal"},
    {"not-a-file", "not a plain file (a device or a pipe)", "pas un simple fichier (un p\xE9riph\xE9rique ou un tube)"},
    {"unreadable", "it cannot be opened or read: access denied, or a read error",
     "impossible de l'ouvrir ou de le lire : acc\xE8s refus\xE9 ou erreur de lecture"},
};

static_assert(std::size(kSteps) == static_cast<std::size_t>(Step::Kind::Refused) + 1);
static_assert(std::size(kReasons) == static_cast<std::size_t>(Refusal::Reason::StandardFolder) + 1);
static_assert(std::size(kUnreadable) == static_cast<std::size_t>(Unreadable::CannotOpen) + 1);
static_assert(std::size(kWarnings) == static_cast<std::size_t>(Warning::Kind::NoApplicationName) + 1);

// Text from the log as it can be shown: a byte that is no Windows-1252 text (a control
// character among them) as \xNN.
std::string Shown(const std::string& text)
{
    std::string shown;
    for (const char c : text) {
        if (IsCp1252Character(static_cast<unsigned char>(c))) {
            shown += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
            shown += escaped;
        }
    }
    return shown;
}

struct Fields {
    std::string t, s, n, r, u, b;
};

std::string Fill(const char* pattern, const Fields& fields)
{
    std::string text;
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '{' && p[1] && p[2] == '}') {
            switch (p[1]) {
            case 't': text += fields.t; break;
            case 's': text += fields.s; break;
            case 'n': text += fields.n; break;
            case 'r': text += fields.r; break;
            case 'u': text += fields.u; break;
            case 'b': text += fields.b; break;
            default: break;
            }
            p += 2;
        } else {
            text += *p;
        }
    }
    return text;
}

const char* In(const Phrase& phrase, bool french)
{
    return french ? phrase.french : phrase.english;
}

}  // namespace

std::string StepText(const Step& step, bool french)
{
    const Fields fields{Shown(step.target),          Shown(step.refusal.section),           {},
                        RootName(step.refusal.root), Shown(std::string(step.refusal.rule)), {}};
    std::string text = Fill(In(kSteps[static_cast<int>(step.kind)], french), fields);
    if (step.kind == Step::Kind::Refused)
        text += Fill(In(kReasons[static_cast<int>(step.refusal.reason)], french), fields);
    return text;
}

std::string WarningText(const Warning& warning, bool french)
{
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02X", warning.byte);
    const Fields fields{Shown(warning.text), Shown(warning.section), std::to_string(warning.otherLine), {}, {}, byte};
    std::string text = Fill(In(kWarnings[static_cast<int>(warning.kind)], french), fields);
    if (warning.line == 0)
        return text;
    return (french ? "ligne " : "line ") + std::to_string(warning.line) + (french ? " : " : ": ") + text;
}

namespace {

std::string Summary(const CheckReport& report, bool french)
{
    const std::string steps = std::to_string(report.steps.size() - report.Refusals());
    const std::string refused = std::to_string(report.Refusals());
    const std::string warnings = std::to_string(report.warnings.size());
    if (french)
        return steps + " \xE9tapes, " + refused + " refus, " + warnings + " avertissements.";
    return steps + " steps, " + refused + " refused, " + warnings + " warnings.";
}

}  // namespace

const char* StepId(Step::Kind kind)
{
    return kSteps[static_cast<int>(kind)].id;
}

const char* ReasonId(Refusal::Reason reason)
{
    return kReasons[static_cast<int>(reason)].id;
}

const char* WarningId(Warning::Kind kind)
{
    return kWarnings[static_cast<int>(kind)].id;
}

const char* UnreadableId(Unreadable why)
{
    return kUnreadable[static_cast<int>(why)].id;
}

std::string UnreadableText(Unreadable why, bool french)
{
    return In(kUnreadable[static_cast<int>(why)], french);
}

std::string ReportText(const CheckReport& report, bool french)
{
    std::string text = french ? "Ce que fera uninstal, dans son ordre :\n" : "What uninstal will do, in its order:\n";
    for (const Step& step : report.steps)
        text += "  " + StepText(step, french) + "\n";
    if (!report.warnings.empty()) {
        text += french ? "Avertissements :\n" : "Warnings:\n";
        for (const Warning& warning : report.warnings)
            text += "  " + WarningText(warning, french) + "\n";
    }
    return text + Summary(report, french) + "\n";
}

}  // namespace uninst
