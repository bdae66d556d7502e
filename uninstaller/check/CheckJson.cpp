#include "CheckJson.h"

#include <cstdio>

#include "CheckText.h"
#include "Cp1252.h"
#include "phases/RegistryEntries.h"

namespace uninst {

namespace {

// A JSON string of UTF-8 text.
std::string JsonUtf8(const std::string& utf8)
{
    std::string json = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

// A JSON string of Windows-1252 text.
std::string Json(const std::string& cp1252)
{
    return JsonUtf8(Cp1252ToUtf8(cp1252));
}

}  // namespace

std::string ReportJson(const CheckReport& report, bool french)
{
    std::string json = "{\"language\": " + Json(french ? "fr" : "en") + ", \"steps\": [";
    for (std::size_t i = 0; i < report.steps.size(); ++i) {
        const Step& step = report.steps[i];
        json += i ? ", {" : "{";
        json += "\"action\": " + Json(StepId(step.kind)) + ", \"target\": " + Json(step.target);
        if (step.kind == Step::Kind::Refused) {
            json +=
                ", \"section\": " + Json(step.refusal.section) + ", \"reason\": " + Json(ReasonId(step.refusal.reason));
            if (step.refusal.root != 0)
                json += ", \"root\": " + Json(RootName(step.refusal.root));
            if (!step.refusal.rule.empty())
                json += ", \"rule\": " + Json(std::string(step.refusal.rule));
            json += ", \"line\": " + (step.line ? std::to_string(step.line) : "null");
        }
        json += ", \"text\": " + Json(StepText(step, french)) + "}";
    }
    json += "], \"warnings\": [";
    for (std::size_t i = 0; i < report.warnings.size(); ++i) {
        const Warning& warning = report.warnings[i];
        json += i ? ", {" : "{";
        json += "\"kind\": " + Json(WarningId(warning.kind)) +
                ", \"line\": " + (warning.line ? std::to_string(warning.line) : "null") +
                ", \"text\": " + Json(WarningText(warning, french)) + "}";
    }
    json += "], \"stays\": [";
    for (std::size_t i = 0; i < report.stays.size(); ++i) {
        const Stay& stay = report.stays[i];
        json += i ? ", {" : "{";
        json += "\"kind\": " + Json(StayId(stay.kind)) + ", \"target\": " + Json(stay.target) +
                ", \"line\": " + std::to_string(stay.line) +
                ", \"add\": " + (stay.add.empty() ? "null" : Json(stay.add)) +
                ", \"text\": " + Json(StayText(stay, french)) + "}";
    }
    json += "], \"refused\": " + std::to_string(report.Refusals()) +
            ", \"status\": " + std::to_string(report.ExitStatus()) + "}\n";
    return json;
}

std::string UnreadableJson(Unreadable why, const std::string& argumentUtf8, bool french)
{
    return "{\"language\": " + Json(french ? "fr" : "en") + ", \"error\": " + Json(UnreadableId(why)) +
           ", \"argument\": " + JsonUtf8(argumentUtf8) + ", \"text\": " + Json(UnreadableText(why, french)) +
           ", \"status\": 2}\n";
}

}  // namespace uninst
