# The vendor directory as a readable table. build_kb.py turns it into Vendors.y2k.
#
# One V(...) per vendor, in file order (the row's position is the vendor's ID, so append new
# vendors at the end and never reorder):
#   V(key, name, address1, address2, phone, web, source=, phone_source=, web_source=, as_of=,
#     note=)
# `key` is only used by kb_products.py to name the vendor. `name` is stored exactly as the
# name normaliser leaves a company name: no company-form words such as Inc., Corporation,
# Systems, Software, Technologies, no full stops, no trade-mark signs. build_kb.py refuses a
# name that the normaliser would still change.
# The postal address (both lines), the telephone and the web address are facts: each needs a
# source from kb_sources.py (`source` covers the address, and the telephone and web address
# too unless they name their own). A fact without a source is left empty. `as_of` is the time
# the facts hold for (late 1999 where a source of that time exists); `note` records takeovers
# and renames, e.g. "acquired by ... in 1999", with the source that says so (`note_source`).
# `notice` is a note that ships: a company that had merged, been sold or failed by late 1999.
# build_kb.py puts it in front of the instructions of the vendor's records without a statement
# (its ALLPRODUCTS record and its NS records), which the detail window shows beside the letter
# button; `notice_source` names its source. `letter_note` says the same for the readiness request
# letter, as a fact the letter can state to the company ("STB Systems has been owned by 3dfx
# Interactive since May 1999."); a vendor with a notice needs one.
# `company` is the company as it names itself, which the letter is addressed to; by default the
# publisher of the vendor's address source when that source is the company's own filing.
# `company_source` names its source when that is not the address source.

VENDORS = []


def V(key, name, address1="", address2="", phone="", web="", source="", phone_source=None,
      web_source=None, as_of="", note="", note_source="", notice="", notice_source="",
      letter_note="", company=None, company_source=None):
    VENDORS.append({
        "key": key, "name": name, "address1": address1, "address2": address2, "phone": phone,
        "web": web, "source": source,
        "phone_source": source if phone_source is None else phone_source,
        "web_source": source if web_source is None else web_source,
        "as_of": as_of, "note": note, "note_source": note_source, "ship_note": notice, "notice_source": notice_source,
        "letter_note": letter_note, "company": company,
        "company_source": source if company_source is None else company_source,
    })


# Vendor 1 stands for "no manufacturer": programs whose company field is empty or unusable.
V('none', 'No Manufacturer')
V('ms', 'Microsoft', "One Microsoft Way", "Redmond, WA 98052-6399", "(425) 882-8080", source="ms-10k-1999", as_of="1999-06-30")
V('netscape', 'Netscape', "501 East Middlefield Road", "Mountain View, CA 94043", "(650) 254-1900", source="netscape-10k-1998", as_of="1998-10-31", notice="Netscape Communications was being bought by America Online: the deal, agreed in November 1998, was cleared by the U.S. Justice Department in March 1999.", notice_source="ap-aol-netscape-1999", letter_note="America Online agreed in November 1998 to buy Netscape Communications, and the U.S. Justice Department cleared the deal in March 1999.")
V('adobe', 'Adobe', "345 Park Avenue", "San Jose, CA 95110-2704", "(408) 536-6000", source="adobe-10k-1999", as_of="1999-12-03")
V('corel', 'Corel', "1600 Carling Avenue", "Ottawa, Ontario K1Z 8R7, Canada", "(613) 728-8200", source="corel-10k-1999", as_of="1999-11-30")
V('lotus', 'Lotus')
V('symantec', 'Symantec', "20330 Stevens Creek Boulevard", "Cupertino, CA 95014-2132", "(408) 253-9600", source="symantec-10q-1999q2", as_of="1999-10-01")
V('nai', 'Network', "3965 Freedom Circle", "Santa Clara, CA 95054", "(408) 988-3832", source="nai-10k-1998", as_of="1999-04")
V('mcafee', 'McAfee', "3965 Freedom Circle", "Santa Clara, CA 95054", "(408) 988-3832", source="nai-10k-1998", as_of="1999-04", note="McAfee Associates is the former name of Networks Associates", note_source="nai-10k-1998")
V('novell', 'Novell', "122 East 1700 South", "Provo, UT 84606", "(801) 861-7000", source="novell-10k-1999", as_of="1999-10-31")
V('intuit', 'Intuit', "2535 Garcia Avenue", "Mountain View, CA 94043", "(650) 944-6000", source="intuit-10k-1999", as_of="1999-07-31")
V('borland', 'Borland', "100 Enterprise Way", "Scotts Valley, CA 95066-3249", "(831) 431-1000", source="inprise-10q-1999q3", as_of="1999-09-30", note="Borland International changed its name to Inprise Corporation in 1998; the address is Inprise's", note_source="cde-borland")
V('inprise', 'Inprise', "100 Enterprise Way", "Scotts Valley, CA 95066-3249", "(831) 431-1000", source="inprise-10q-1999q3", as_of="1999-09-30")
V('oracle', 'Oracle', "500 Oracle Parkway", "Redwood City, CA 94065", "(650) 506-7000", source="oracle-10q-1999q2", as_of="1999-11-30")
V('ibm', 'IBM', "New Orchard Road", "Armonk, NY 10504", "(914) 499-1900", source="ibm-11k-1999", phone_source="ibm-10q-1999q3", as_of="1999-12-31")
V('apple', 'Apple', "1 Infinite Loop", "Cupertino, CA 95014", "(408) 996-1010", source="apple-10k-1999", as_of="1999-09-25")
V('intel', 'Intel', "2200 Mission College Boulevard", "Santa Clara, CA 95052-8119", "(408) 765-8080", source="intel-10k-1999", as_of="1999-12-25")
V('compaq', 'Compaq', "20555 SH 249", "Houston, TX 77070", "(281) 370-0670", source="compaq-10k-1999", as_of="1999-12-31")
V('dell', 'Dell', "One Dell Way", "Round Rock, TX 78682-2244", "(512) 338-4400", source="dell-10k-1999", as_of="1999-01-29")
V('hp', 'Hewlett-Packard Company', "3000 Hanover Street", "Palo Alto, CA 94304", "(650) 857-1501", source="hp-10k-1999", as_of="1999-10-31")
V('gateway', 'Gateway', "4545 Towne Centre Court", "San Diego, CA 92121", "(858) 799-3401", source="gateway-10q-1999q3", as_of="1999-09-30")
V('creative', 'Creative', "31 International Business Park, Creative Resource", "Singapore 609921", source="creative-20f-2003", as_of="2003-06-30")
V('qualcomm', 'QUALCOMM', "5775 Morehouse Drive", "San Diego, CA 92121-1714", "(858) 587-1121", source="qualcomm-10k-1999", as_of="1999-09-26")
V('real', 'RealNetworks', "2601 Elliott Avenue, Suite 1000", "Seattle, WA 98121", "(206) 674-2700", source="real-10q-1999q3", as_of="1999-09-30")
V('progressive', 'Progressive Networks', "2601 Elliott Avenue, Suite 1000", "Seattle, WA 98121", "(206) 674-2700", source="real-10q-1999q3", as_of="1999-09-30", note="Progressive Networks became RealNetworks, Inc. in 1997; the address is RealNetworks'", note_source="britannica-realaudio")
V('nicomak', 'Nico Mak')
V('aol', 'America Online', "22000 AOL Way", "Dulles, VA 20166-9323", "(703) 265-1000", source="aol-10q-1999q1", as_of="1999-09-30")
V('quarterdeck', 'Quarterdeck', "13160 Mindanao Way", "Marina del Rey, CA 90292", "(310) 309-3700", source="quarterdeck-10k-1998", as_of="1998-09-30")
V('ca', 'Computer', "One Computer Associates Plaza", "Islandia, NY 11749", "(516) 342-5224", source="ca-10q-1999q2", as_of="1999-09-30")
V('filemaker', 'FileMaker')
V('macromedia', 'Macromedia', "600 Townsend Street", "San Francisco, CA 94103", "(415) 252-2000", source="macromedia-10q-1999q2", as_of="1999-09-30")
V('autodesk', 'Autodesk', "111 McInnis Parkway", "San Rafael, CA 94903", "(415) 507-5000", source="autodesk-10k-2000", as_of="2000-01-31")
V('broderbund', 'Broderbund', "500 Redwood Boulevard", "Novato, CA 94948-6121", "(415) 382-4400", source="broderbund-10q-1998q2", as_of="1998-02-28")
V('tlc', 'The Learning Company', "One Athenaeum Street", "Cambridge, MA 02142", "(617) 494-1200", source="tlc-10k-1998", as_of="1999-01-02", notice="The Learning Company merged into Mattel, Inc. on 13 May 1999 (Mattel, 333 Continental Boulevard, El Segundo, CA 90245-5012, (310) 252-2000).", notice_source="mattel-8k-1999-05", letter_note="The Learning Company merged into Mattel, Inc. on 13 May 1999.")
V('ea', 'Electronic Arts', "209 Redwood Shores Parkway", "Redwood City, CA 94065", "(650) 628-1500", source="ea-10q-1999q2", as_of="1999-09-30")
V('peachtree', 'Peachtree')
V('travsoft', 'Traveling')
V('iomega', 'Iomega', "1821 West Iomega Way", "Roy, UT 84067", "(801) 332-1000", source="iomega-10k-1999", as_of="1999-12-31")
V('adaptec', 'Adaptec', "691 South Milpitas Boulevard", "Milpitas, CA 95035", "(408) 945-8600", source="adaptec-10q-1999q2", as_of="1999-09-30")
V('seagate', 'Seagate', "915 Disc Drive", "Scotts Valley, CA 95066", "(831) 438-6550", source="seagatesw-10k-1999", as_of="1999-07-02", note="the address and telephone of Seagate Software, Inc.", note_source="seagatesw-10k-1999", notice="VERITAS Software announced in October 1998 that it would buy Seagate Software's storage management group (the former Arcada Software); ask VERITAS about its backup programs.", notice_source="sentinel-veritas-seagate-1998", letter_note="VERITAS Software announced in October 1998 that it would buy the storage management group of Seagate Software.")
V('veritas', 'VERITAS', "1600 Plymouth Street", "Mountain View, CA 94043", "(650) 335-8000", source="veritas-10k-1999", as_of="1999-12-31")
V('pkware', 'PKWARE')
V('ipswitch', 'Ipswitch')
V('sun', 'Sun Microsystems', "901 San Antonio Road", "Palo Alto, CA 94303", "(650) 960-1300", source="sun-10q-1999q1", as_of="1999-09-26")
V('sybase', 'Sybase', "6475 Christie Avenue", "Emeryville, CA 94608", "(510) 922-3500", source="sybase-10q-1999q3", as_of="1999-09-30")
V('visio', 'Visio', "2211 Elliott Avenue", "Seattle, WA 98121-1691", "(206) 956-6000", source="visio-10k-1999", as_of="1999-09-30")
V('micrografx', 'Micrografx', "505 Millenium Drive", "Allen, TX 75013", "(214) 495-4000", source="micrografx-10q-1999q3", as_of="1999-09-30")
V('spss', 'SPSS', "233 South Wacker Drive", "Chicago, IL 60606", "(312) 651-3000", source="spss-10k-1999", as_of="1999-12-31")
V('sas', 'SAS Institute')
V('mathworks', 'The MathWorks')
V('wolfram', 'Wolfram Research')
V('citrix', 'Citrix', "6400 NW 6th Way", "Fort Lauderdale, FL 33309", "(954) 267-3000", source="citrix-10q-1999q3", as_of="1999-09-30")
V('phoenix', 'Phoenix', "411 East Plumeria Drive", "San Jose, CA 95134", "(408) 570-1000", source="phoenix-10k-1999", as_of="1999-09-30")
V('award', 'Award', "777 East Middlefield Road", "Mountain View, CA 94043-4023", "(650) 237-6800", source="award-10q-1998q1", as_of="1998-03-31")
V('ami', 'American Megatrends')
V('3com', '3Com', "5400 Bayfront Plaza", "Santa Clara, CA 95052", "(408) 326-5000", source="3com-10q-1999q2", as_of="1999-11-26")
V('diamond', 'Diamond', "2880 Junction Avenue", "San Jose, CA 95134", "(408) 325-7000", source="diamond-10k-1998", as_of="1998-12-31")
V('ati', 'ATI', "33 Commerce Valley Drive East", "Thornhill, Ontario L3T 7N6, Canada", "(905) 882-2600", source="ati-40f-2003", as_of="SEC filer record of 2004")
V('matrox', 'Matrox Graphics')
V('s3', 'S3', "2841 Mission College Boulevard", "Santa Clara, CA 95052-8058", "(408) 588-8000", source="s3-10q-1999q3", as_of="1999-09-30")
V('nvidia', 'NVIDIA', "3535 Monroe Street", "Santa Clara, CA 95051", "(408) 615-2500", source="nvidia-10k-2000", as_of="2000-01-30")
V('logitech', 'Logitech', "6505 Kaiser Drive", "Fremont, CA 94555", "(510) 795-8500", source="logitech-6k-1999q2", as_of="1999-09-30", note="the US office (Logitech Inc.) through which Logitech International S.A. files", note_source="logitech-6k-1999q2")
V('epson', 'SEIKO EPSON')
V('lexmark', 'Lexmark', "740 West New Circle Road", "Lexington, KY 40550", "(606) 232-2000", source="lexmark-10k-1999", as_of="1999-12-31")
V('caere', 'Caere', "100 Cooper Court", "Los Gatos, CA 95032", "(408) 395-7000", source="caere-10q-1999q3", as_of="1999-09-30")
V('dragon', 'Dragon')
V('trend', 'Trend Micro')
V('touchstone', 'Touchstone')
V('ontrack', 'Ontrack Data', "9023 Columbine Road", "Eden Prairie, MN 55347", "(612) 937-1107", "www.ontrack.com", source="ontrack-10q-1999q3", as_of="1999-09-30")
V('powerquest', 'PowerQuest')
V('cybermedia', 'CyberMedia', "3000 Ocean Park Boulevard, Suite 2001", "Santa Monica, CA 90405", "(310) 581-4700", source="cybermedia-10k-1996", as_of="1996-12-31")
V('wrq', 'WRQ')
V('hummingbird', 'Hummingbird', "1 Sparks Avenue", "Toronto, Ontario M2H 2W1, Canada", "(416) 496-2200", source="hummingbird-40f-2004", as_of="2004-09-30")
V('netmanage', 'NetManage', "10725 North De Anza Boulevard", "Cupertino, CA 95014", "(408) 973-7171", source="netmanage-10q-2001q2", as_of="2001-06-30")
V('attachmate', 'Attachmate')
V('allaire', 'Allaire', "One Alewife Center", "Cambridge, MA 02140", "(617) 761-2000", source="allaire-10k-1999", as_of="1999-12-31")
V('hilgraeve', 'Hilgraeve')
V('mathsoft', 'MathSoft', "101 Main Street", "Cambridge, MA 02142-1521", "(617) 577-1017", source="mathsoft-10q-1999q3", as_of="1999-09-30")
V('quark', 'Quark')
V('jasc', 'Jasc')
V('rational', 'Rational', "18880 Homestead Road", "Cupertino, CA 95014", "(408) 863-9900", source="rational-10q-1999q2", as_of="1999-09-30")
V('microfocus', 'Micro Focus')
V('progress', 'Progress', "14 Oak Park", "Bedford, MA 01730", "(781) 280-4000", source="progress-10k-1999", as_of="1999-11-30")
V('pervasive', 'Pervasive', "12365 Riata Trace Parkway, Building II", "Austin, TX 78727", "(512) 231-6000", source="pervasive-10q-1999q1", as_of="1999-09-30")
V('fsf', 'Free Foundation', "59 Temple Place, Suite 330", "Boston, MA 02111-1307", source="gnu-gpl2-copy", as_of="as printed in the GPL version 2 text", company="Free Software Foundation")
V('sonic', 'Sonic Foundry', "754 Williamson Street", "Madison, WI 53703", "(608) 256-3133", source="sonic-10k-1999", as_of="1999-09-30")
V('goldmine', 'GoldMine')
V('primavera', 'Primavera')
V('mozilla', 'Mozilla')
V('google', 'Google')
V('3dfx', '3dfx Interactive', "4435 Fortran Drive", "San Jose, CA 95134", "(408) 935-4400", source="3dfx-10k-1998", as_of="1998-12-31")
V('cirrus', 'Cirrus Logic', "3100 West Warren Avenue", "Fremont, CA 94538", "(510) 623-8300", source="cirrus-10k-1999", as_of="1999-03-27")
V('wdc', 'Western Digital', "8105 Irvine Center Drive", "Irvine, CA 92618", "(949) 932-5000", "http://www.westerndigital.com", source="wdc-10k-1999", as_of="1999-07-03")
V('activision', 'Activision', "3100 Ocean Park Blvd.", "Santa Monica, CA 90405", "(310) 255-2000", source="activision-10k-1999", as_of="1999-03-31")
V('interplay', 'Interplay', "16815 Von Karman Avenue", "Irvine, CA 92606", "(949) 553-6655", source="interplay-10k-1998", as_of="1998-12-31")
V('maxtor', 'Maxtor', "510 Cottonwood Drive", "Milpitas, CA 95035", "(408) 432-1700", source="maxtor-10q-1999q2", as_of="1999-07-03")
V('quantum', 'Quantum', "500 McCarthy Blvd.", "Milpitas, CA 95035", "(408) 894-4000", source="quantum-10q-1998q1", as_of="1998-06-28")
V('gti', 'GT Interactive', "417 Fifth Avenue", "New York, NY 10016", "(212) 726-6500", source="gti-10k-1999", as_of="1999-03-31")
V('hayes', 'Hayes', "5854 Peachtree Corners East", "Norcross, GA 30092", "(770) 840-9200", source="hayes-10q-1998q3", as_of="1998-10-03", notice="Hayes filed for Chapter 11 bankruptcy protection in October 1998 and then shut down its operations to prepare for liquidation; a letter may not be answered.", notice_source="cnet-hayes-closes", letter_note="Hayes filed for Chapter 11 bankruptcy protection in October 1998 and then shut down its operations.")
V('spyglass', 'Spyglass', "1240 E. Diehl Road, 4th Floor", "Naperville, IL 60563", "(630) 505-1010", source="spyglass-10q-1998q4", as_of="1998-12-31")
V('zoom', 'Zoom Telephonics', "207 South Street", "Boston, MA 02111", "(617) 423-1072", source="zoom-10k-1998", as_of="1998-12-31")
V('trident', 'Trident Microsystems', "2450 Walsh Avenue", "Santa Clara, CA 95051-1303", "(408) 496-1085", source="trident-10k-1999", as_of="1999-06-30")
V('visioneer', 'Visioneer', "34800 Campus Drive", "Fremont, CA 94555", "(510) 608-0300", source="visioneer-8k-1999", as_of="1999-01-06", note="Sold its scanner product lines and the Visioneer name to Primax Electronics in January 1999.", note_source="visioneer-8k-1999")
V('imsi', 'IMSI', "75 Rowland Way", "Novato, CA 94945", "(415) 257-3000", source="imsi-10q-1999q1", as_of="1999-09-30")
V('hauppauge', 'Hauppauge Digital', "91 Cabot Court", "Hauppauge, NY 11788", "(516) 434-1600", source="hauppauge-10k-1999", as_of="1999-09-30")
V('inso', 'Inso', "31 St. James Avenue", "Boston, MA 02116", "(617) 753-6500", source="inso-10k-1998", as_of="1998-12-31")
V('sco', 'Santa Cruz Operation', "400 Encinal Street", "Santa Cruz, CA 95060", "(831) 425-7222", source="sco-10k-1999", as_of="1999-09-30")
V('xircom', 'Xircom', "2300 Corporate Center Drive", "Thousand Oaks, CA 91320", "(805) 376-9300", source="xircom-s3-1999", as_of="1999-11-19")
V('stb', 'STB', "3400 Waterview Parkway", "Richardson, TX 75080", "(972) 234-8750", source="stb-10k-1998", as_of="1998-10-31", notice="STB Systems has been owned by 3dfx Interactive since May 1999: write to 3dfx Interactive, which has its own entry in the vendor directory.", notice_source="idhw-3dfx", letter_note="STB Systems has been owned by 3dfx Interactive since May 1999.")
V('redhat', 'Red Hat', "2600 Meridian Parkway", "Durham, NC 27713", "(919) 547-0012", source="redhat-10k-2000", as_of="2000-02-29")
V('aureal', 'Aureal', "4245 Technology Drive", "Fremont, CA 94538", "(510) 252-4245", source="aureal-10q-1999q2", as_of="1999-07-04", company="Aureal Inc.")
V('ess', 'ESS', "48401 Fremont Blvd.", "Fremont, CA 94538", "(510) 492-1088", source="ess-10k-1998", as_of="1998-12-31")
V('numbernine', 'Number Nine Visual', "18 Hartwell Avenue", "Lexington, MA 02421-3141", "(781) 674-0009", source="numbernine-10q-1999q3", as_of="1999-10-02")
V('boca', 'Boca Research', "1377 Clint Moore Road", "Boca Raton, FL 33487", "(561) 997-6227", source="boca-10q-1999q3", as_of="1999-09-30")
V('taketwo', 'Take-Two Interactive', "575 Broadway", "New York, NY 10012", "(212) 334-6633", source="taketwo-10k-1999", as_of="1999-10-31")
V('puma', 'Puma', "2550 North First Street, Suite 500", "San Jose, CA 95131", "(408) 321-7650", source="puma-10k-1999", as_of="1999-07-31")
V('banyan', 'Banyan', "120 Flanders Road", "Westboro, MA 01581", "(508) 898-1000", source="banyan-10k-1998", as_of="1998-12-31")
V('stac', 'Stac', "12636 High Bluff Drive, 4th Floor", "San Diego, CA 92130-2093", "(858) 794-4300", source="stac-10k-1999", as_of="1999-09-30", company="Stac Software, Inc.")
V('smithmicro', 'Smith Micro', "51 Columbia, Suite 200", "Aliso Viejo, CA 92656", "(949) 362-5800", source="smithmicro-10q-1999q3", as_of="1999-09-30")
V('caldera', 'Caldera', "240 West Center Street", "Orem, UT 84057", "(801) 765-4999", source="caldera-10q-2000q2", as_of="2000-04-30")
V('rar', 'Eugene Roshal')
V('on', 'ON', company="ON Technology", company_source="on-y2k")
V('forte', 'Forte', company="Forté", company_source="apogeo-freeagent")
# F-PROT's maker as its order form names itself; no address of 1999 was found.
V('frisk', 'Frisk', company="Frisk Software International", company_source="frisk-fprot-order")
V('command', 'Command', company="Command Software", company_source="command-fprot-y2k")
