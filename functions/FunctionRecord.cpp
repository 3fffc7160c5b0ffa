#include "functions/FunctionRecord.h"

#include "core/AppState.h"
#include "platform/Dialogs.h"
#include "platform/Fields.h"
#include "platform/Grid.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <cmath>

namespace corvalet::functions {

namespace {

using platform::leadingNumber;

bool isFromLog(std::string_view text)
{
    return platform::equalsNoCase(platform::trimBlanks(text), fromLogText);
}

// A list index written like the function number: " 0", " 2", "-1".
std::string indexText(int index)
{
    return platform::numberText(index);
}

// A box value shown in a unit, stored in the internal unit with two decimals.
std::optional<std::string> internalText(const std::string& box, const core::UnitPair& unit)
{
    if (!(unit.factor > 0) || !std::isfinite(unit.factor))
        return std::nullopt;
    return platform::formatMask(leadingNumber(box) / unit.factor, "0.00");
}

// The rock name of a matrix list entry such as "Sand: 2.650".
std::optional<std::string> rockName(const std::string& entry)
{
    const std::size_t colon = entry.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    return entry.substr(0, colon);
}

// NEUTCR2PORO's calibration: the high count rate above the low one (unless either is taken from
// the log) and the high porosity above a low porosity that is itself above 0, since the
// conversion takes the logarithm of both porosities.
bool calibrationAccepted(const FunctionRequestInput& in, platform::Dialogs& dialogs)
{
    if (!isFromLog(in.ncr[0]) && !isFromLog(in.ncr[1]) && leadingNumber(in.ncr[1]) >= leadingNumber(in.ncr[0])) {
        dialogs.msgBox("Count rates must not be equal and High must be greater than Low",
                       platform::MsgStyle::OkOnly + platform::MsgStyle::Critical, "Invalid Court Rate Values");
        return false;
    }
    const double high = leadingNumber(in.ncr[2]);
    const double low = leadingNumber(in.ncr[3]);
    if (low >= high || low <= 0) {
        dialogs.msgBox("Porosities must not be equal and High must be greater than Low, and neither can be less than 0. ",
                       platform::MsgStyle::OkOnly + platform::MsgStyle::Critical, "Invalid Porosity Values");
        return false;
    }
    return true;
}

std::optional<std::array<std::string, 4>> requestParameters(const FunctionRequestInput& in,
                                                            const core::UnitPair& densityUnit,
                                                            const core::UnitPair& sonicUnit)
{
    using namespace FunctionNumber;
    switch (in.function) {
    case Res2Cond:
    case Cond2Res:
        return std::array<std::string, 4>{};
    case BulkDen2Poro:
    case Poro2BulkDen:
    case Dt2Poro:
    case Poro2Dt: {
        const core::UnitPair& unit = (in.function == Dt2Poro || in.function == Poro2Dt) ? sonicUnit : densityUnit;
        auto matrix = internalText(in.parT[0], unit);
        auto fluid = internalText(in.parT[1], unit);
        if (!matrix || !fluid)
            return std::nullopt;
        return std::array<std::string, 4>{*matrix, *fluid, indexText(in.matrixIndex[0]), indexText(in.matrixIndex[1])};
    }
    case DenMatrix:
    case NporCp1e:
    case NphiCp1c:
        return std::array<std::string, 4>{in.parT[0], in.parT[1], indexText(in.matrixIndex[0]),
                                          indexText(in.matrixIndex[1])};
    case NeutCr2Poro:
        return in.ncr;
    case Math:
        return in.fT;
    case MinMax:
    case AvePoro:
    case Replace:
        return std::array<std::string, 4>{in.parT[0], in.parT[1], "", ""};
    case Average:
        return std::array<std::string, 4>{in.weightedAverage ? "1" : "2", in.aveT, "", ""};
    case Scale:
        return std::array<std::string, 4>{in.linlogT[0], in.linlogT[1], in.linlogT[2],
                                          (in.logScale ? "-" : "") + in.linlogT[3]};
    default:
        return std::nullopt;
    }
}

} // namespace

double FunctionRecord::parameterValue(int index) const
{
    if (index < 0 || index > 3)
        return 0;
    return leadingNumber(parameters[static_cast<std::size_t>(index)]);
}

bool FunctionRecord::parameterEmpty(int index) const
{
    return index < 0 || index > 3 || platform::trimBlanks(parameters[static_cast<std::size_t>(index)]).empty();
}

FunctionRecord parseFunctionRecord(std::string_view record)
{
    const platform::Fields fields(record, "|");
    FunctionRecord out;
    double number = 0;
    if (platform::strictNumber(fields.field(1), number) && number == std::floor(number) && number >= 0 &&
        number < functionCount)
        out.function = static_cast<int>(number);
    for (int i = 0; i < 4; ++i)
        out.parameters[static_cast<std::size_t>(i)] = std::string(fields.field(i + 2));
    double curve = 0;
    if (platform::strictNumber(fields.field(6), curve) && curve >= 0 && curve <= 1e9)
        out.inputCurve = static_cast<int>(platform::roundHalfEven(curve));
    out.mnemonic = std::string(fields.field(7));
    if (fields.count() >= 8)
        out.history = std::string(fields.line().substr(fields.fieldBegin(8)));
    return out;
}

std::string formatFunctionRecord(const FunctionRecord& record)
{
    std::string text = record.function ? platform::numberText(*record.function) : std::string();
    for (const std::string& p : record.parameters) {
        text += '|';
        text += p;
    }
    text += '|';
    text += platform::numberText(record.inputCurve);
    text += '|';
    text += record.mnemonic;
    text += '|';
    text += record.history;
    return text;
}

std::optional<std::string> functionDescription(const FunctionRequestInput& in)
{
    using namespace FunctionNumber;
    switch (in.function) {
    case BulkDen2Poro:
    case Poro2BulkDen:
    case Dt2Poro:
    case Poro2Dt:
        return "Matrix=" + in.parT[0] + " Fluid=" + in.parT[1];
    case DenMatrix:
        return "Matrix In=" + in.matrixEntry[0] + " Matrix Out=" + in.matrixEntry[1];
    case NporCp1e:
    case NphiCp1c: {
        auto rockIn = rockName(in.matrixEntry[0]);
        auto rockOut = rockName(in.matrixEntry[1]);
        if (!rockIn || !rockOut)
            return std::nullopt;
        return "Matrix In=" + *rockIn + " Matrix Out=" + *rockOut;
    }
    case NeutCr2Poro:
        return "Low Count=" + in.ncr[1] + " Hi Count=" + in.ncr[0] + " Low Poro=" + in.ncr[3] + " Hi poro=" + in.ncr[2];
    case Math:
        return "A=" + in.fT[0] + " B=" + in.fT[1] + " C=" + in.fT[2] + " n=" + in.fT[3];
    case MinMax: {
        const std::string& low = in.parT[0];
        const std::string& high = in.parT[1];
        if (!low.empty() && !high.empty())
            return "Min =" + low + ". Max = " + high;
        if (!low.empty())
            return "Min =" + low;
        if (!high.empty())
            return "Max =" + high;
        return std::string();
    }
    case AvePoro:
        return "Compute PHIT from " + in.parT[0] + " and " + in.parT[1];
    case Replace:
        return "Replace " + in.parT[0] + " with " + in.parT[1];
    case Average:
        return std::string(in.weightedAverage ? "Averaged 1 * point , 0.5 * point before,  0.5 * point after"
                                              : "Averaged over Point");
    case Scale:
        return "New Left Scale=" + in.linlogT[0] + "New Right Scale=" + in.linlogT[1] + " Old Left Track =" +
               in.linlogT[2] + "Old Right Track =" + in.linlogT[3];
    default:
        return std::string();
    }
}

RequestResult buildFunctionRequest(const FunctionRequestInput& input, const core::UnitPair& densityUnit,
                                   const core::UnitPair& sonicUnit, platform::Dialogs& dialogs)
{
    // A request without a function would be stored as a channel that computes nothing.
    if (input.function < 0 || input.function >= functionCount)
        return {RequestOutcome::NoFunction, {}};
    if (input.function == FunctionNumber::NeutCr2Poro && !calibrationAccepted(input, dialogs))
        return {RequestOutcome::Refused, {}};

    const auto parameters = requestParameters(input, densityUnit, sonicUnit);
    const auto description = functionDescription(input);
    if (!parameters || !description)
        return {RequestOutcome::Failed, {}};

    FunctionRecord record;
    record.function = input.function;
    record.parameters = *parameters;
    record.inputCurve = input.inputCurveIndex < 0 ? 0 : input.inputCurveIndex + 1;
    record.mnemonic = input.newMnemonic.empty() ? input.inputCurveText : input.newMnemonic;
    record.history = "was :" + input.inputCurveText + " " + *description;

    // Pasted text can carry what the boxes refuse to take from the keyboard; a "|" inside a field
    // would shift every later field of the record.
    bool separatorInside = record.mnemonic.find('|') != std::string::npos ||
                           record.history.find('|') != std::string::npos;
    for (const std::string& p : record.parameters)
        separatorInside = separatorInside || p.find('|') != std::string::npos;
    if (separatorInside)
        return {RequestOutcome::Failed, {}};

    return {RequestOutcome::Built, formatFunctionRecord(record)};
}

std::string channelFunctionRecord(const platform::Grid& channels, int column)
{
    const std::string& record = channels.cellData(channelFunctionRow, column);
    if (record.empty() || channels.text(channelFunctionRow, column) == noFunctionText)
        return {};
    return record;
}

void storeFunctionRecord(platform::Grid& channels, int column, const std::string& record, const core::AppState& state)
{
    const FunctionRecord parsed = parseFunctionRecord(record);
    if (record.empty() || !parsed.function) {
        channels.setText(channelFunctionRow, column, std::string(noFunctionText));
        channels.setCellData(channelFunctionRow, column, {});
        return;
    }
    const int row = *parsed.function + 1;
    const std::string caption = state.funTable.contains(0, row) ? state.funTable(0, row) : std::string();
    channels.setCellData(channelFunctionRow, column, record);
    channels.setText(channelFunctionRow, column, caption);
    channels.setText(channelMnemRow, column, parsed.mnemonic);
}

} // namespace corvalet::functions
