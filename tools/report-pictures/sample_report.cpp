#include "sample_report.h"

namespace ostrevan {

void FillSampleResults(RunState& st) {
    FillCompMessages(st);
    st.cVendors.Add("NO VENDOR", "", "", "", 0, "None");
    st.cVendors.Add("Acme", "1200 Harbor Boulevard", "Springfield, ST 01234",
                    "(555) 010-2000", 0, "www.acme-software.example");
    st.cVendors.Add("Northwind", "77 Commerce Way", "Lakeside, ST 04321", "(555) 010-7700", 0,
                    "www.northwind.example");
    struct Rec {
        const char* name;
        const char* vendor;
        const char* begin;
        const char* end;
        int16_t code;
        const char* dir;
        const char* comments;
    } recs[] = {
        // Versions found in many folders, one deep folder: more than the detail window's labels hold.
        {"Acme Writer", "Acme Software, Inc.", "3.0, 3.1, 3.11, 3.12, 3.2, 3.21, 3.5, 3.51, 3.6, 3.7, 3.8, 3.9, 3.95, 3.96, 3.97",
         "3.0, 3.1, 3.11, 3.12, 3.2, 3.21, 3.5, 3.51, 3.6, 3.7, 3.8, 3.9, 3.95, 3.96, 3.97",
         4, "C:\\PROGRAM FILES\\ACME SOFTWARE\\ACME WRITER 3\\PROGRAM\\SHARED TOOLS\\CONVERTERS\\WORD PROCESSING",
         "Versions before 4.0 store two-digit years in document dates. Upgrade to 4.0 or later."},
        {"Acme Ledger", "Acme Software, Inc.", "2.0", "2.5", 3, "C:\\ACME\\LEDGER",
         "Install the Year 2000 update 2.5a from the manufacturer's web site."},
        {"Northwind Mail", "Northwind Corporation", "5.0", "5.0", 5, "C:\\NWIND\\MAIL",
         "Dates typed with two-digit years are read as 19xx."},
        {"Northwind Planner", "Northwind Corporation", "1.2", "1.2", 2, "C:\\NWIND\\PLAN", ""},
        {"Shareware Clock", "Tick Tock Software", "0.9", "0.9", 0, "C:\\UTILS", ""},
        {"Acme Draw", "Acme Software, Inc.", "4.0", "4.0", 1, "C:\\ACME\\DRAW",
         "Year 2000 ready."},
        {"Northwind Viewer", "Northwind Corporation", "2.1", "2.1", 6, "C:\\NWIND\\VIEW", ""},
    };
    for (const Rec& r : recs)
        st.cFiles.Add(r.comments, r.vendor, "", r.name, r.begin, r.end, r.code, r.dir, "", "");
    st.cJunkFiles.Add("", "None", "", "SETUP.EXE", "None", "None", -1, "C:\\TEMP", "", "");
    st.cJunkFiles.Add("", "None", "", "UNINST.EXE", "None", "None", -1, "C:\\WINDOWS", "", "");
}

}  // namespace ostrevan
