#pragma once

#include <QString>

// What the program can tell of the machine it runs on, for the About box's System Info.
namespace rac::gui {

struct SystemFacts {
    QString operatingSystem;
    QString kernel;
    QString qt;
    QString processor;
    QString memory;
};

// The processor's model name and the count of logical processors, from the text of
// /proc/cpuinfo ("AMD EPYC, 2 logical processors"); the count alone where no model is named,
// empty where no processor is listed.
QString processorFromCpuInfo(const QString& cpuInfo);

// The total memory from the text of /proc/meminfo, in GB to one decimal ("23.5 GB"); empty
// where the text gives none.
QString memoryFromMemInfo(const QString& memInfo);

// This machine; what it does not tell reads "unknown".
SystemFacts currentSystemFacts();

} // namespace rac::gui
