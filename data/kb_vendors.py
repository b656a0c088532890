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
# and renames, e.g. "acquired by ... in 1999".

VENDORS = []


def V(key, name, address1="", address2="", phone="", web="", source="", phone_source=None,
      web_source=None, as_of="", note=""):
    VENDORS.append({
        "key": key, "name": name, "address1": address1, "address2": address2, "phone": phone,
        "web": web, "source": source,
        "phone_source": source if phone_source is None else phone_source,
        "web_source": source if web_source is None else web_source,
        "as_of": as_of, "note": note,
    })


# Vendor 1 stands for "no manufacturer": programs whose company field is empty or unusable.
V('none', 'No Manufacturer')
V('ms', 'Microsoft', "One Microsoft Way", "Redmond, WA 98052-6399", "(425) 882-8080", source="ms-10k-1999", as_of="1999-06-30")
V('netscape', 'Netscape')
V('adobe', 'Adobe')
V('corel', 'Corel')
V('lotus', 'Lotus')
V('symantec', 'Symantec')
V('nai', 'Network')
V('mcafee', 'McAfee')
V('novell', 'Novell')
V('intuit', 'Intuit')
V('borland', 'Borland')
V('inprise', 'Inprise')
V('oracle', 'Oracle')
V('ibm', 'IBM')
V('apple', 'Apple')
V('intel', 'Intel')
V('compaq', 'Compaq')
V('dell', 'Dell')
V('hp', 'Hewlett-Packard Company')
V('gateway', 'Gateway', "4545 Towne Centre Court", "San Diego, CA 92121", "(858) 799-3401", source="gateway-10q-1999q3", as_of="1999-09-30")
V('creative', 'Creative')
V('qualcomm', 'QUALCOMM')
V('real', 'RealNetworks', "2601 Elliott Avenue, Suite 1000", "Seattle, WA 98121", "(206) 674-2700", source="real-10q-1999q3", as_of="1999-09-30")
V('progressive', 'Progressive Networks')
V('nicomak', 'Nico Mak')
V('aol', 'America Online')
V('quarterdeck', 'Quarterdeck')
V('ca', 'Computer')
V('filemaker', 'FileMaker')
V('macromedia', 'Macromedia')
V('autodesk', 'Autodesk')
V('broderbund', 'Broderbund')
V('tlc', 'The Learning Company')
V('ea', 'Electronic Arts')
V('peachtree', 'Peachtree')
V('travsoft', 'Traveling')
V('iomega', 'Iomega')
V('adaptec', 'Adaptec')
V('seagate', 'Seagate')
V('veritas', 'VERITAS')
V('pkware', 'PKWARE')
V('ipswitch', 'Ipswitch')
V('sun', 'Sun Microsystems')
V('sybase', 'Sybase')
V('visio', 'Visio', "2211 Elliott Avenue", "Seattle, WA 98121-1691", "(206) 956-6000", source="visio-10k-1999", as_of="1999-09-30")
V('micrografx', 'Micrografx', "505 Millenium Drive", "Allen, TX 75013", "(214) 495-4000", source="micrografx-10q-1999q3", as_of="1999-09-30")
V('spss', 'SPSS')
V('sas', 'SAS Institute')
V('mathworks', 'The MathWorks')
V('wolfram', 'Wolfram Research')
V('citrix', 'Citrix')
V('phoenix', 'Phoenix')
V('award', 'Award')
V('ami', 'American Megatrends')
V('3com', '3Com', "5400 Bayfront Plaza", "Santa Clara, CA 95052", "(408) 326-5000", source="3com-10q-1999q2", as_of="1999-11-26")
V('diamond', 'Diamond')
V('ati', 'ATI')
V('matrox', 'Matrox Graphics')
V('s3', 'S3', "2841 Mission College Boulevard", "Santa Clara, CA 95052-8058", "(408) 588-8000", source="s3-10q-1999q3", as_of="1999-09-30")
V('nvidia', 'NVIDIA')
V('logitech', 'Logitech')
V('epson', 'SEIKO EPSON')
V('lexmark', 'Lexmark')
V('caere', 'Caere')
V('dragon', 'Dragon')
V('trend', 'Trend Micro')
V('touchstone', 'Touchstone')
V('ontrack', 'Ontrack Data', "9023 Columbine Road", "Eden Prairie, MN 55347", "(612) 937-1107", "www.ontrack.com", source="ontrack-10q-1999q3", as_of="1999-09-30")
V('powerquest', 'PowerQuest')
V('cybermedia', 'CyberMedia')
V('wrq', 'WRQ')
V('hummingbird', 'Hummingbird')
V('netmanage', 'NetManage')
V('attachmate', 'Attachmate')
V('allaire', 'Allaire')
V('hilgraeve', 'Hilgraeve')
V('mathsoft', 'MathSoft')
V('quark', 'Quark')
V('jasc', 'Jasc')
V('rational', 'Rational')
V('microfocus', 'Micro Focus')
V('progress', 'Progress')
V('pervasive', 'Pervasive')
V('fsf', 'Free Foundation')
V('sonic', 'Sonic Foundry', "754 Williamson Street", "Madison, WI 53703", "(608) 256-3133", source="sonic-10k-1999", as_of="1999-09-30")
V('goldmine', 'GoldMine')
V('primavera', 'Primavera')
V('mozilla', 'Mozilla')
V('google', 'Google')
