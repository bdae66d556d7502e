#include "CheckText.h"

#include <cstdio>
#include <iterator>

#include "Cp1252.h"
#include "phases/RegistryEntries.h"
#include "text/AnsiText.h"

namespace uninst {

namespace {

// The texts of one kind of step, refusal or warning: an identifier for programs and a
// sentence in each language. In the sentences {t} is the entry's text, {s} its section,
// {n} another line, {r} a root, {u} a rule, {b} a byte, {m} a mend or a reason told by code,
// {a} a line to add.
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
    {"refused", "REFUSED [{s}] {t}", "REFUS\xC9 [{s}] {t}"},
};

constexpr Phrase kReasons[] = {
    {"no-root", "no \"\\\" in it: write ROOT\\key path, such as HKEY_CURRENT_USER\\Software\\App",
     "aucun \xAB \\ \xBB : \xE9"
     "crivez RACINE\\chemin de la cl\xE9, comme HKEY_CURRENT_USER\\Software\\Appli"},
    {"root-itself", "names the root {r} itself, which uninstal never deletes; name the application's own key below it",
     "d\xE9signe la racine {r} elle-m\xEAme, qu'uninstal ne supprime jamais ; nommez la cl\xE9 de l'application, "
     "en dessous"},
    {"value-under-root", "a value directly under {r}, which uninstal leaves; write ROOT\\key\\value name",
     "une valeur directement sous {r}, qu'uninstal laisse ; \xE9"
     "crivez RACINE\\cl\xE9\\nom de la valeur"},
    {"protected-key", "{m}", "{m}"},
    {"not-one-key-name",
     "not one key name: write the name of the application's key under ...\\Uninstall, without \"\\\"",
     "pas un seul nom de cl\xE9 : \xE9"
     "crivez le nom de la cl\xE9 de l'application sous ...\\Uninstall, sans \xAB \\ \xBB"},
    {"unresolvable-path", "{m}", "{m}"},
    {"drive-root", "a drive or share root, which uninstal never removes; leave the line out",
     "la racine d'un lecteur ou d'un partage, qu'uninstal ne supprime jamais ; retirez la ligne"},
    {"standard-folder", "a standard folder, which uninstal never removes; leave the line out",
     "un dossier standard, qu'uninstal ne supprime jamais ; retirez la ligne"},
    {"network-path", "a path on another machine, which uninstal never touches; leave the line out",
     "un chemin sur une autre machine, qu'uninstal ne touche jamais ; retirez la ligne"},
    {"device-path", "a device or namespace path, which uninstal never touches; write the file's full local path",
     "un chemin de p\xE9riph\xE9rique ou d'espace de noms, qu'uninstal ne touche jamais ; \xE9"
     "crivez le chemin "
     "local complet du fichier"},
    {"protected-value",
     "a value that the system and every application share, under {r} (rule {u}); an addition to it cannot be "
     "taken back by the log: leave the line out",
     "une valeur que le syst\xE8me et toutes les applications partagent, sous {r} (r\xE8gle {u}) ; un ajout ne "
     "peut pas \xEAtre repris par le journal : retirez la ligne"},
};

constexpr Phrase kWarnings[] = {
    {"listed-twice", "[{s}] {t} is listed twice (first on line {n})",
     "[{s}] {t} est list\xE9 deux fois (d'abord ligne {n})"},
    {"name-used-twice",
     "[{s}] the name {t} is that of line {n} already: uninstal finds line {n} by it and never reaches this line, "
     "whose target stays; give this line a name of its own",
     "[{s}] le nom {t} est d\xE9j\xE0 celui de la ligne {n} : uninstal trouve la ligne {n} par ce nom et "
     "n'atteint jamais celle-ci, dont la cible reste ; donnez-lui un nom \xE0 elle"},
    {"unknown-root",
     "[{s}] {t} is not a root name uninstal knows; write {m}. As written, this entry is handled under {r}, the "
     "root of the entry handled before it (HKEY_LOCAL_MACHINE at first)",
     "[{s}] {t} n'est pas un nom de racine que conna\xEEt uninstal ; \xE9"
     "crivez {m}. Telle quelle, cette entr\xE9"
     "e "
     "est trait\xE9"
     "e sous {r}, la racine de l'entr\xE9"
     "e trait\xE9"
     "e avant elle (HKEY_LOCAL_MACHINE au d\xE9"
     "but)"},
    {"outside-application",
     "[{s}] {t} lies outside the application's folders (the log's folder, or --app-folder, and those of "
     "[Folders]): make sure it is the application's own, else leave it out",
     "[{s}] {t} est hors des dossiers de l'application (celui du journal, ou --app-folder, et ceux de "
     "[Folders]) : assurez-vous qu'il est bien \xE0 l'application, sinon retirez-le"},
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
    {"empty-log", "the log is empty: uninstal would remove nothing and report success",
     "le journal est vide : uninstal ne supprimerait rien et annoncerait un succ\xE8s"},
};

constexpr Phrase kStays[] = {
    {"folder",
     "the folder {t} stays, and so do the folders that hold it: line {n}'s entry is in it, but it is not listed; "
     "add {a}",
     "le dossier {t} reste, et avec lui ceux qui le contiennent : l'entr\xE9"
     "e de la ligne {n} s'y trouve, mais il "
     "n'est pas list\xE9 ; ajoutez {a}"},
    {"shortcut-folder",
     "the shortcut folder {t} stays: uninstal removes only the folder of the first-listed shortcut outside the "
     "standard folders, never a second one nor one above it, and does [Folders] before the shortcuts; keep line {n}'s "
     "shortcut and the others in one folder directly inside a standard one",
     "le dossier de raccourcis {t} reste : uninstal ne supprime que le dossier du premier raccourci list\xE9 hors des "
     "dossiers standard, jamais un second ni un dossier au-dessus, et traite [Folders] avant les raccourcis ; gardez "
     "le raccourci de la ligne {n} et les autres dans un seul dossier, directement dans un dossier standard"},
    {"key",
     "the key {t} stays, emptied of what line {n} lists; if the installer created it and nothing else uses it, add "
     "{a}",
     "la cl\xE9 {t} reste, vid\xE9"
     "e de ce que liste la ligne {n} ; si l'installation l'a cr\xE9\xE9"
     "e et que rien "
     "d'autre ne s'en sert, ajoutez {a}"},
};

constexpr Phrase kUnreadable[] = {
    {"", "", ""},
    {"usage", "the command line is wrong",
     "la ligne de commande est erron\xE9"
     "e"},
    {"missing", "nothing there: no such file", "rien \xE0 cet endroit : ce fichier n'existe pas"},
    {"folder", "a folder, not the log file", "un dossier, pas le fichier journal"},
    {"not-a-file", "not a plain file (a device or a pipe)", "pas un simple fichier (un p\xE9riph\xE9rique ou un tube)"},
    {"unreadable", "it cannot be opened or read: access denied, or a read error",
     "impossible de l'ouvrir ou de le lire : acc\xE8s refus\xE9 ou erreur de lecture"},
};

static_assert(std::size(kSteps) == static_cast<std::size_t>(Step::Kind::Refused) + 1);
static_assert(std::size(kReasons) == static_cast<std::size_t>(Refusal::Reason::ProtectedValue) + 1);
static_assert(std::size(kUnreadable) == static_cast<std::size_t>(Unreadable::CannotOpen) + 1);
static_assert(std::size(kWarnings) == static_cast<std::size_t>(Warning::Kind::EmptyLog) + 1);
static_assert(std::size(kStays) == static_cast<std::size_t>(Stay::Kind::Key) + 1);

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
    std::string t, s, n, r, u, b, m, a;
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
            case 'm': text += fields.m; break;
            case 'a': text += fields.a; break;
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

// Why a key is kept, in plain words: a root, a key only the system makes, the Classes key,
// a key the table lists, or one that holds a listed key (the first in the table's order).
std::string ProtectedKeyText(const Step& step, bool french)
{
    const std::string rule(step.refusal.rule);
    if (rule == "ROOT")
        return french ? "une racine du registre elle-m\xEAme" : "a root of the registry itself";
    if (rule == "HKLM\\*")
        return french ? "une cl\xE9 directement sous HKEY_LOCAL_MACHINE, que seul le syst\xE8me cr\xE9"
                        "e"
                      : "a key directly under HKEY_LOCAL_MACHINE, which only the system makes";
    if (rule == "HKU\\*")
        return french ? "toutes les cl\xE9s d'un utilisateur sous HKEY_USERS" : "a user's whole key under HKEY_USERS";
    if (rule == "CLASSES")
        return french ? "la cl\xE9 Classes, qui tient les types de fichiers de toutes les applications"
                      : "the Classes key, which holds every application's file types";
    // The row names the key itself when the key's path ends with the row past its scope word.
    const std::string tail = LowerAscii(rule.substr(rule.find('\\')));
    const std::string key = LowerAscii(step.target);
    const bool itself = key.size() >= tail.size() && key.compare(key.size() - tail.size(), tail.size(), tail) == 0;
    if (itself)
        return french ? "une cl\xE9 que le syst\xE8me et toutes les applications partagent (" + Shown(rule) +
                            ") ; supprimez-en seulement les valeurs que l'installation a ajout\xE9"
                            "es, dans [Reg_CreateValue]"
                      : "a key that the system and every application share (" + Shown(rule) +
                            "); delete only the values the installer added, under [Reg_CreateValue]";
    return french ? "elle contient des cl\xE9s que toutes les applications partagent, comme " + Shown(rule) +
                        " ; ne listez que la cl\xE9 de l'application, en dessous"
                  : "it holds keys every application shares, such as " + Shown(rule) +
                        "; list only the application's own key below it";
}

// Why a path is not one uninstal acts on, and how to write it.
std::string UnresolvablePathText(const std::string& path, bool french)
{
    const auto percent = path.find('%');
    if (percent != std::string::npos && path.find('%', percent + 1) != std::string::npos)
        return french ? "elle contient une variable, qu'uninstal ne remplace jamais ; \xE9"
                        "crivez le chemin complet "
                        "qu'elle repr\xE9sente"
                      : "it holds a variable, which uninstal never expands; write the full path it stands for";
    if (!path.empty() && (path.front() == ' ' || path.back() == ' '))
        return french ? "une espace au d\xE9"
                        "but ou \xE0 la fin, qu'uninstal ne retire jamais ; \xF4tez-la"
                      : "a space at its start or end, which uninstal never trims; take it away";
    return french ? "pas un chemin local complet ; \xE9"
                    "crivez-le depuis sa lettre de lecteur, comme C:\\Program Files\\Appli"
                  : "not a full local path; write it from its drive letter, such as C:\\Program Files\\App";
}

}  // namespace

std::string StepText(const Step& step, bool french)
{
    std::string reason;
    if (step.kind == Step::Kind::Refused && step.refusal.reason == Refusal::Reason::ProtectedKey)
        reason = ProtectedKeyText(step, french);
    else if (step.kind == Step::Kind::Refused && step.refusal.reason == Refusal::Reason::UnresolvablePath)
        reason = UnresolvablePathText(step.target, french);
    const Fields fields{Shown(step.target),
                        Shown(step.refusal.section),
                        {},
                        RootName(step.refusal.root),
                        Shown(std::string(step.refusal.rule)),
                        {},
                        reason,
                        {}};
    std::string text = Fill(In(kSteps[static_cast<int>(step.kind)], french), fields);
    if (step.kind == Step::Kind::Refused) {
        if (step.line)
            text += (french ? " (ligne " : " (line ") + std::to_string(step.line) + ")";
        text += (french ? " : " : ": ") + Fill(In(kReasons[static_cast<int>(step.refusal.reason)], french), fields);
    }
    return text;
}

std::string WarningText(const Warning& warning, bool french)
{
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02X", warning.byte);
    const char* anyRoot = french ? "HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT ou HKEY_USERS"
                                 : "HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT or HKEY_USERS";
    const Fields fields{Shown(warning.text),
                        Shown(warning.section),
                        std::to_string(warning.otherLine),
                        warning.root,
                        {},
                        byte,
                        warning.fix.empty() ? anyRoot : warning.fix,
                        {}};
    std::string text = Fill(In(kWarnings[static_cast<int>(warning.kind)], french), fields);
    if (warning.line == 0)
        return text;
    return (french ? "ligne " : "line ") + std::to_string(warning.line) + (french ? " : " : ": ") + text;
}

std::string StayText(const Stay& stay, bool french)
{
    const Fields fields{Shown(stay.target), {}, std::to_string(stay.line), {}, {}, {}, {}, Shown(stay.add)};
    return Fill(In(kStays[static_cast<int>(stay.kind)], french), fields);
}

namespace {

std::string Summary(const CheckReport& report, bool french)
{
    const std::string steps = std::to_string(report.steps.size() - report.Refusals());
    const std::string refused = std::to_string(report.Refusals());
    const std::string warnings = std::to_string(report.warnings.size());
    const std::string stays = std::to_string(report.stays.size());
    if (french)
        return steps + " \xE9tapes, " + refused + " refus, " + warnings + " avertissements, " + stays + " restes.";
    return steps + " steps, " + refused + " refused, " + warnings + " warnings, " + stays + " staying.";
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

const char* StayId(Stay::Kind kind)
{
    return kStays[static_cast<int>(kind)].id;
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
    if (!report.stays.empty()) {
        text += french ? "Ce qui reste sur la machine :\n" : "What stays on the machine:\n";
        for (const Stay& stay : report.stays)
            text += "  " + StayText(stay, french) + "\n";
    }
    return text + Summary(report, french) + "\n";
}

}  // namespace uninst
