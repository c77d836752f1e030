<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" name="Vinula mimo katalog" tilewidth="20" tileheight="20" tilecount="256" columns="16">
 <properties>
  <property name="vinula" value="kódy mimo katalog"/>
 </properties>
 <image source="mimo-katalog.png" width="320" height="320"/>
 <tile id="2">
  <properties>
   <property name="kod" type="int" value="2"/>
   <property name="nazev" value="kód 2 mimo katalog"/>
  </properties>
 </tile>
 <tile id="3">
  <properties>
   <property name="kod" type="int" value="3"/>
   <property name="nazev" value="kód 3 mimo katalog"/>
  </properties>
 </tile>
 <tile id="4">
  <properties>
   <property name="kod" type="int" value="4"/>
   <property name="nazev" value="kód 4 mimo katalog"/>
  </properties>
 </tile>
 <tile id="5">
  <properties>
   <property name="kod" type="int" value="5"/>
   <property name="nazev" value="kód 5 mimo katalog"/>
  </properties>
 </tile>
 <tile id="6">
  <properties>
   <property name="kod" type="int" value="6"/>
   <property name="nazev" value="kód 6 mimo katalog"/>
  </properties>
 </tile>
 <tile id="7">
  <properties>
   <property name="kod" type="int" value="7"/>
   <property name="nazev" value="kód 7 mimo katalog"/>
  </properties>
 </tile>
 <tile id="8">
  <properties>
   <property name="kod" type="int" value="8"/>
   <property name="nazev" value="kód 8 mimo katalog"/>
  </properties>
 </tile>
 <tile id="9">
  <properties>
   <property name="kod" type="int" value="9"/>
   <property name="nazev" value="kód 9 mimo katalog"/>
  </properties>
 </tile>
 <tile id="10">
  <properties>
   <property name="kod" type="int" value="10"/>
   <property name="nazev" value="kód 10 mimo katalog"/>
  </properties>
 </tile>
 <tile id="11">
  <properties>
   <property name="kod" type="int" value="11"/>
   <property name="nazev" value="kód 11 mimo katalog"/>
  </properties>
 </tile>
 <tile id="12">
  <properties>
   <property name="kod" type="int" value="12"/>
   <property name="nazev" value="kód 12 mimo katalog"/>
  </properties>
 </tile>
 <tile id="13">
  <properties>
   <property name="kod" type="int" value="13"/>
   <property name="nazev" value="kód 13 mimo katalog"/>
  </properties>
 </tile>
 <tile id="14">
  <properties>
   <property name="kod" type="int" value="14"/>
   <property name="nazev" value="kód 14 mimo katalog"/>
  </properties>
 </tile>
 <tile id="15">
  <properties>
   <property name="kod" type="int" value="15"/>
   <property name="nazev" value="kód 15 mimo katalog"/>
  </properties>
 </tile>
 <tile id="16">
  <properties>
   <property name="kod" type="int" value="16"/>
   <property name="nazev" value="kód 16 mimo katalog"/>
  </properties>
 </tile>
 <tile id="17">
  <properties>
   <property name="kod" type="int" value="17"/>
   <property name="nazev" value="kód 17 mimo katalog"/>
  </properties>
 </tile>
 <tile id="18">
  <properties>
   <property name="kod" type="int" value="18"/>
   <property name="nazev" value="kód 18 mimo katalog"/>
  </properties>
 </tile>
 <tile id="19">
  <properties>
   <property name="kod" type="int" value="19"/>
   <property name="nazev" value="kód 19 mimo katalog"/>
  </properties>
 </tile>
 <tile id="20">
  <properties>
   <property name="kod" type="int" value="20"/>
   <property name="nazev" value="kód 20 mimo katalog"/>
  </properties>
 </tile>
 <tile id="21">
  <properties>
   <property name="kod" type="int" value="21"/>
   <property name="nazev" value="kód 21 mimo katalog"/>
  </properties>
 </tile>
 <tile id="22">
  <properties>
   <property name="kod" type="int" value="22"/>
   <property name="nazev" value="kód 22 mimo katalog"/>
  </properties>
 </tile>
 <tile id="23">
  <properties>
   <property name="kod" type="int" value="23"/>
   <property name="nazev" value="kód 23 mimo katalog"/>
  </properties>
 </tile>
 <tile id="24">
  <properties>
   <property name="kod" type="int" value="24"/>
   <property name="nazev" value="kód 24 mimo katalog"/>
  </properties>
 </tile>
 <tile id="25">
  <properties>
   <property name="kod" type="int" value="25"/>
   <property name="nazev" value="kód 25 mimo katalog"/>
  </properties>
 </tile>
 <tile id="26">
  <properties>
   <property name="kod" type="int" value="26"/>
   <property name="nazev" value="kód 26 mimo katalog"/>
  </properties>
 </tile>
 <tile id="27">
  <properties>
   <property name="kod" type="int" value="27"/>
   <property name="nazev" value="kód 27 mimo katalog"/>
  </properties>
 </tile>
 <tile id="28">
  <properties>
   <property name="kod" type="int" value="28"/>
   <property name="nazev" value="kód 28 mimo katalog"/>
  </properties>
 </tile>
 <tile id="29">
  <properties>
   <property name="kod" type="int" value="29"/>
   <property name="nazev" value="kód 29 mimo katalog"/>
  </properties>
 </tile>
 <tile id="30">
  <properties>
   <property name="kod" type="int" value="30"/>
   <property name="nazev" value="kód 30 mimo katalog"/>
  </properties>
 </tile>
 <tile id="31">
  <properties>
   <property name="kod" type="int" value="31"/>
   <property name="nazev" value="kód 31 mimo katalog"/>
  </properties>
 </tile>
 <tile id="32">
  <properties>
   <property name="kod" type="int" value="32"/>
   <property name="nazev" value="kód 32 mimo katalog"/>
  </properties>
 </tile>
 <tile id="33">
  <properties>
   <property name="kod" type="int" value="33"/>
   <property name="nazev" value="kód 33 mimo katalog"/>
  </properties>
 </tile>
 <tile id="34">
  <properties>
   <property name="kod" type="int" value="34"/>
   <property name="nazev" value="kód 34 mimo katalog"/>
  </properties>
 </tile>
 <tile id="35">
  <properties>
   <property name="kod" type="int" value="35"/>
   <property name="nazev" value="kód 35 mimo katalog"/>
  </properties>
 </tile>
 <tile id="36">
  <properties>
   <property name="kod" type="int" value="36"/>
   <property name="nazev" value="kód 36 mimo katalog"/>
  </properties>
 </tile>
 <tile id="37">
  <properties>
   <property name="kod" type="int" value="37"/>
   <property name="nazev" value="kód 37 mimo katalog"/>
  </properties>
 </tile>
 <tile id="38">
  <properties>
   <property name="kod" type="int" value="38"/>
   <property name="nazev" value="kód 38 mimo katalog"/>
  </properties>
 </tile>
 <tile id="39">
  <properties>
   <property name="kod" type="int" value="39"/>
   <property name="nazev" value="kód 39 mimo katalog"/>
  </properties>
 </tile>
 <tile id="40">
  <properties>
   <property name="kod" type="int" value="40"/>
   <property name="nazev" value="kód 40 mimo katalog"/>
  </properties>
 </tile>
 <tile id="41">
  <properties>
   <property name="kod" type="int" value="41"/>
   <property name="nazev" value="kód 41 mimo katalog"/>
  </properties>
 </tile>
 <tile id="42">
  <properties>
   <property name="kod" type="int" value="42"/>
   <property name="nazev" value="kód 42 mimo katalog"/>
  </properties>
 </tile>
 <tile id="43">
  <properties>
   <property name="kod" type="int" value="43"/>
   <property name="nazev" value="kód 43 mimo katalog"/>
  </properties>
 </tile>
 <tile id="44">
  <properties>
   <property name="kod" type="int" value="44"/>
   <property name="nazev" value="kód 44 mimo katalog"/>
  </properties>
 </tile>
 <tile id="45">
  <properties>
   <property name="kod" type="int" value="45"/>
   <property name="nazev" value="kód 45 mimo katalog"/>
  </properties>
 </tile>
 <tile id="46">
  <properties>
   <property name="kod" type="int" value="46"/>
   <property name="nazev" value="kód 46 mimo katalog"/>
  </properties>
 </tile>
 <tile id="47">
  <properties>
   <property name="kod" type="int" value="47"/>
   <property name="nazev" value="kód 47 mimo katalog"/>
  </properties>
 </tile>
 <tile id="48">
  <properties>
   <property name="kod" type="int" value="48"/>
   <property name="nazev" value="kód 48 mimo katalog"/>
  </properties>
 </tile>
 <tile id="49">
  <properties>
   <property name="kod" type="int" value="49"/>
   <property name="nazev" value="kód 49 mimo katalog"/>
  </properties>
 </tile>
 <tile id="59" type="zeď">
  <properties>
   <property name="kod" type="int" value="59"/>
   <property name="nazev" value="kód 59 mimo katalog"/>
  </properties>
 </tile>
 <tile id="60" type="zeď">
  <properties>
   <property name="kod" type="int" value="60"/>
   <property name="nazev" value="kód 60 mimo katalog"/>
  </properties>
 </tile>
 <tile id="61" type="zeď">
  <properties>
   <property name="kod" type="int" value="61"/>
   <property name="nazev" value="kód 61 mimo katalog"/>
  </properties>
 </tile>
 <tile id="62" type="zeď">
  <properties>
   <property name="kod" type="int" value="62"/>
   <property name="nazev" value="kód 62 mimo katalog"/>
  </properties>
 </tile>
 <tile id="63" type="zeď">
  <properties>
   <property name="kod" type="int" value="63"/>
   <property name="nazev" value="kód 63 mimo katalog"/>
  </properties>
 </tile>
 <tile id="64" type="zeď">
  <properties>
   <property name="kod" type="int" value="64"/>
   <property name="nazev" value="kód 64 mimo katalog"/>
  </properties>
 </tile>
 <tile id="65" type="zeď">
  <properties>
   <property name="kod" type="int" value="65"/>
   <property name="nazev" value="kód 65 mimo katalog"/>
  </properties>
 </tile>
 <tile id="66" type="zeď">
  <properties>
   <property name="kod" type="int" value="66"/>
   <property name="nazev" value="kód 66 mimo katalog"/>
  </properties>
 </tile>
 <tile id="67" type="zeď">
  <properties>
   <property name="kod" type="int" value="67"/>
   <property name="nazev" value="kód 67 mimo katalog"/>
  </properties>
 </tile>
 <tile id="68" type="zeď">
  <properties>
   <property name="kod" type="int" value="68"/>
   <property name="nazev" value="kód 68 mimo katalog"/>
  </properties>
 </tile>
 <tile id="69" type="zeď">
  <properties>
   <property name="kod" type="int" value="69"/>
   <property name="nazev" value="kód 69 mimo katalog"/>
  </properties>
 </tile>
 <tile id="70" type="zeď">
  <properties>
   <property name="kod" type="int" value="70"/>
   <property name="nazev" value="kód 70 mimo katalog"/>
  </properties>
 </tile>
 <tile id="71" type="zeď">
  <properties>
   <property name="kod" type="int" value="71"/>
   <property name="nazev" value="kód 71 mimo katalog"/>
  </properties>
 </tile>
 <tile id="72" type="zeď">
  <properties>
   <property name="kod" type="int" value="72"/>
   <property name="nazev" value="kód 72 mimo katalog"/>
  </properties>
 </tile>
 <tile id="73" type="zeď">
  <properties>
   <property name="kod" type="int" value="73"/>
   <property name="nazev" value="kód 73 mimo katalog"/>
  </properties>
 </tile>
 <tile id="74" type="zeď">
  <properties>
   <property name="kod" type="int" value="74"/>
   <property name="nazev" value="kód 74 mimo katalog"/>
  </properties>
 </tile>
 <tile id="75" type="zeď">
  <properties>
   <property name="kod" type="int" value="75"/>
   <property name="nazev" value="kód 75 mimo katalog"/>
  </properties>
 </tile>
 <tile id="76" type="zeď">
  <properties>
   <property name="kod" type="int" value="76"/>
   <property name="nazev" value="kód 76 mimo katalog"/>
  </properties>
 </tile>
 <tile id="77" type="zeď">
  <properties>
   <property name="kod" type="int" value="77"/>
   <property name="nazev" value="kód 77 mimo katalog"/>
  </properties>
 </tile>
 <tile id="78" type="zeď">
  <properties>
   <property name="kod" type="int" value="78"/>
   <property name="nazev" value="kód 78 mimo katalog"/>
  </properties>
 </tile>
 <tile id="79" type="zeď">
  <properties>
   <property name="kod" type="int" value="79"/>
   <property name="nazev" value="kód 79 mimo katalog"/>
  </properties>
 </tile>
 <tile id="80" type="zeď">
  <properties>
   <property name="kod" type="int" value="80"/>
   <property name="nazev" value="kód 80 mimo katalog"/>
  </properties>
 </tile>
 <tile id="81" type="zeď">
  <properties>
   <property name="kod" type="int" value="81"/>
   <property name="nazev" value="kód 81 mimo katalog"/>
  </properties>
 </tile>
 <tile id="82" type="zeď">
  <properties>
   <property name="kod" type="int" value="82"/>
   <property name="nazev" value="kód 82 mimo katalog"/>
  </properties>
 </tile>
 <tile id="83" type="zeď">
  <properties>
   <property name="kod" type="int" value="83"/>
   <property name="nazev" value="kód 83 mimo katalog"/>
  </properties>
 </tile>
 <tile id="84" type="zeď">
  <properties>
   <property name="kod" type="int" value="84"/>
   <property name="nazev" value="kód 84 mimo katalog"/>
  </properties>
 </tile>
 <tile id="85" type="zeď">
  <properties>
   <property name="kod" type="int" value="85"/>
   <property name="nazev" value="kód 85 mimo katalog"/>
  </properties>
 </tile>
 <tile id="86" type="zeď">
  <properties>
   <property name="kod" type="int" value="86"/>
   <property name="nazev" value="kód 86 mimo katalog"/>
  </properties>
 </tile>
 <tile id="87" type="zeď">
  <properties>
   <property name="kod" type="int" value="87"/>
   <property name="nazev" value="kód 87 mimo katalog"/>
  </properties>
 </tile>
 <tile id="88" type="zeď">
  <properties>
   <property name="kod" type="int" value="88"/>
   <property name="nazev" value="kód 88 mimo katalog"/>
  </properties>
 </tile>
 <tile id="89" type="zeď">
  <properties>
   <property name="kod" type="int" value="89"/>
   <property name="nazev" value="kód 89 mimo katalog"/>
  </properties>
 </tile>
 <tile id="90" type="zeď">
  <properties>
   <property name="kod" type="int" value="90"/>
   <property name="nazev" value="kód 90 mimo katalog"/>
  </properties>
 </tile>
 <tile id="91" type="zeď">
  <properties>
   <property name="kod" type="int" value="91"/>
   <property name="nazev" value="kód 91 mimo katalog"/>
  </properties>
 </tile>
 <tile id="92" type="zeď">
  <properties>
   <property name="kod" type="int" value="92"/>
   <property name="nazev" value="kód 92 mimo katalog"/>
  </properties>
 </tile>
 <tile id="93" type="zeď">
  <properties>
   <property name="kod" type="int" value="93"/>
   <property name="nazev" value="kód 93 mimo katalog"/>
  </properties>
 </tile>
 <tile id="94" type="zeď">
  <properties>
   <property name="kod" type="int" value="94"/>
   <property name="nazev" value="kód 94 mimo katalog"/>
  </properties>
 </tile>
 <tile id="95" type="zeď">
  <properties>
   <property name="kod" type="int" value="95"/>
   <property name="nazev" value="kód 95 mimo katalog"/>
  </properties>
 </tile>
 <tile id="96" type="zeď">
  <properties>
   <property name="kod" type="int" value="96"/>
   <property name="nazev" value="kód 96 mimo katalog"/>
  </properties>
 </tile>
 <tile id="97" type="zeď">
  <properties>
   <property name="kod" type="int" value="97"/>
   <property name="nazev" value="kód 97 mimo katalog"/>
  </properties>
 </tile>
 <tile id="98" type="zeď">
  <properties>
   <property name="kod" type="int" value="98"/>
   <property name="nazev" value="kód 98 mimo katalog"/>
  </properties>
 </tile>
 <tile id="99" type="zeď">
  <properties>
   <property name="kod" type="int" value="99"/>
   <property name="nazev" value="kód 99 mimo katalog"/>
  </properties>
 </tile>
 <tile id="163" type="jídlo">
  <properties>
   <property name="kod" type="int" value="163"/>
   <property name="nazev" value="kód 163 mimo katalog"/>
  </properties>
 </tile>
 <tile id="164" type="jídlo">
  <properties>
   <property name="kod" type="int" value="164"/>
   <property name="nazev" value="kód 164 mimo katalog"/>
  </properties>
 </tile>
 <tile id="165" type="jídlo">
  <properties>
   <property name="kod" type="int" value="165"/>
   <property name="nazev" value="kód 165 mimo katalog"/>
  </properties>
 </tile>
 <tile id="166" type="jídlo">
  <properties>
   <property name="kod" type="int" value="166"/>
   <property name="nazev" value="kód 166 mimo katalog"/>
  </properties>
 </tile>
 <tile id="167" type="jídlo">
  <properties>
   <property name="kod" type="int" value="167"/>
   <property name="nazev" value="kód 167 mimo katalog"/>
  </properties>
 </tile>
 <tile id="168" type="jídlo">
  <properties>
   <property name="kod" type="int" value="168"/>
   <property name="nazev" value="kód 168 mimo katalog"/>
  </properties>
 </tile>
 <tile id="169" type="jídlo">
  <properties>
   <property name="kod" type="int" value="169"/>
   <property name="nazev" value="kód 169 mimo katalog"/>
  </properties>
 </tile>
 <tile id="170" type="jídlo">
  <properties>
   <property name="kod" type="int" value="170"/>
   <property name="nazev" value="kód 170 mimo katalog"/>
  </properties>
 </tile>
 <tile id="171" type="jídlo">
  <properties>
   <property name="kod" type="int" value="171"/>
   <property name="nazev" value="kód 171 mimo katalog"/>
  </properties>
 </tile>
 <tile id="172" type="jídlo">
  <properties>
   <property name="kod" type="int" value="172"/>
   <property name="nazev" value="kód 172 mimo katalog"/>
  </properties>
 </tile>
 <tile id="173" type="jídlo">
  <properties>
   <property name="kod" type="int" value="173"/>
   <property name="nazev" value="kód 173 mimo katalog"/>
  </properties>
 </tile>
 <tile id="174" type="jídlo">
  <properties>
   <property name="kod" type="int" value="174"/>
   <property name="nazev" value="kód 174 mimo katalog"/>
  </properties>
 </tile>
 <tile id="175" type="jídlo">
  <properties>
   <property name="kod" type="int" value="175"/>
   <property name="nazev" value="kód 175 mimo katalog"/>
  </properties>
 </tile>
 <tile id="176" type="jídlo">
  <properties>
   <property name="kod" type="int" value="176"/>
   <property name="nazev" value="kód 176 mimo katalog"/>
  </properties>
 </tile>
 <tile id="177" type="jídlo">
  <properties>
   <property name="kod" type="int" value="177"/>
   <property name="nazev" value="kód 177 mimo katalog"/>
  </properties>
 </tile>
 <tile id="178" type="jídlo">
  <properties>
   <property name="kod" type="int" value="178"/>
   <property name="nazev" value="kód 178 mimo katalog"/>
  </properties>
 </tile>
 <tile id="179" type="jídlo">
  <properties>
   <property name="kod" type="int" value="179"/>
   <property name="nazev" value="kód 179 mimo katalog"/>
  </properties>
 </tile>
 <tile id="180" type="jídlo">
  <properties>
   <property name="kod" type="int" value="180"/>
   <property name="nazev" value="kód 180 mimo katalog"/>
  </properties>
 </tile>
 <tile id="181" type="jídlo">
  <properties>
   <property name="kod" type="int" value="181"/>
   <property name="nazev" value="kód 181 mimo katalog"/>
  </properties>
 </tile>
 <tile id="182" type="jídlo">
  <properties>
   <property name="kod" type="int" value="182"/>
   <property name="nazev" value="kód 182 mimo katalog"/>
  </properties>
 </tile>
 <tile id="183" type="jídlo">
  <properties>
   <property name="kod" type="int" value="183"/>
   <property name="nazev" value="kód 183 mimo katalog"/>
  </properties>
 </tile>
 <tile id="184" type="jídlo">
  <properties>
   <property name="kod" type="int" value="184"/>
   <property name="nazev" value="kód 184 mimo katalog"/>
  </properties>
 </tile>
 <tile id="185" type="jídlo">
  <properties>
   <property name="kod" type="int" value="185"/>
   <property name="nazev" value="kód 185 mimo katalog"/>
  </properties>
 </tile>
 <tile id="186" type="jídlo">
  <properties>
   <property name="kod" type="int" value="186"/>
   <property name="nazev" value="kód 186 mimo katalog"/>
  </properties>
 </tile>
 <tile id="187" type="jídlo">
  <properties>
   <property name="kod" type="int" value="187"/>
   <property name="nazev" value="kód 187 mimo katalog"/>
  </properties>
 </tile>
 <tile id="188" type="jídlo">
  <properties>
   <property name="kod" type="int" value="188"/>
   <property name="nazev" value="kód 188 mimo katalog"/>
  </properties>
 </tile>
 <tile id="189" type="jídlo">
  <properties>
   <property name="kod" type="int" value="189"/>
   <property name="nazev" value="kód 189 mimo katalog"/>
  </properties>
 </tile>
 <tile id="190" type="jídlo">
  <properties>
   <property name="kod" type="int" value="190"/>
   <property name="nazev" value="kód 190 mimo katalog"/>
  </properties>
 </tile>
 <tile id="191" type="jídlo">
  <properties>
   <property name="kod" type="int" value="191"/>
   <property name="nazev" value="kód 191 mimo katalog"/>
  </properties>
 </tile>
 <tile id="192" type="jídlo">
  <properties>
   <property name="kod" type="int" value="192"/>
   <property name="nazev" value="kód 192 mimo katalog"/>
  </properties>
 </tile>
 <tile id="193" type="jídlo">
  <properties>
   <property name="kod" type="int" value="193"/>
   <property name="nazev" value="kód 193 mimo katalog"/>
  </properties>
 </tile>
 <tile id="194" type="jídlo">
  <properties>
   <property name="kod" type="int" value="194"/>
   <property name="nazev" value="kód 194 mimo katalog"/>
  </properties>
 </tile>
 <tile id="195" type="jídlo">
  <properties>
   <property name="kod" type="int" value="195"/>
   <property name="nazev" value="kód 195 mimo katalog"/>
  </properties>
 </tile>
 <tile id="196" type="jídlo">
  <properties>
   <property name="kod" type="int" value="196"/>
   <property name="nazev" value="kód 196 mimo katalog"/>
  </properties>
 </tile>
 <tile id="197" type="jídlo">
  <properties>
   <property name="kod" type="int" value="197"/>
   <property name="nazev" value="kód 197 mimo katalog"/>
  </properties>
 </tile>
 <tile id="198" type="jídlo">
  <properties>
   <property name="kod" type="int" value="198"/>
   <property name="nazev" value="kód 198 mimo katalog"/>
  </properties>
 </tile>
 <tile id="199" type="jídlo">
  <properties>
   <property name="kod" type="int" value="199"/>
   <property name="nazev" value="kód 199 mimo katalog"/>
  </properties>
 </tile>
 <tile id="200" type="jídlo">
  <properties>
   <property name="kod" type="int" value="200"/>
   <property name="nazev" value="kód 200 mimo katalog"/>
  </properties>
 </tile>
 <tile id="201" type="jídlo">
  <properties>
   <property name="kod" type="int" value="201"/>
   <property name="nazev" value="kód 201 mimo katalog"/>
  </properties>
 </tile>
 <tile id="202" type="jídlo">
  <properties>
   <property name="kod" type="int" value="202"/>
   <property name="nazev" value="kód 202 mimo katalog"/>
  </properties>
 </tile>
 <tile id="203" type="jídlo">
  <properties>
   <property name="kod" type="int" value="203"/>
   <property name="nazev" value="kód 203 mimo katalog"/>
  </properties>
 </tile>
 <tile id="204" type="jídlo">
  <properties>
   <property name="kod" type="int" value="204"/>
   <property name="nazev" value="kód 204 mimo katalog"/>
  </properties>
 </tile>
 <tile id="205" type="jídlo">
  <properties>
   <property name="kod" type="int" value="205"/>
   <property name="nazev" value="kód 205 mimo katalog"/>
  </properties>
 </tile>
 <tile id="206" type="jídlo">
  <properties>
   <property name="kod" type="int" value="206"/>
   <property name="nazev" value="kód 206 mimo katalog"/>
  </properties>
 </tile>
 <tile id="207" type="jídlo">
  <properties>
   <property name="kod" type="int" value="207"/>
   <property name="nazev" value="kód 207 mimo katalog"/>
  </properties>
 </tile>
 <tile id="208" type="jídlo">
  <properties>
   <property name="kod" type="int" value="208"/>
   <property name="nazev" value="kód 208 mimo katalog"/>
  </properties>
 </tile>
 <tile id="209" type="jídlo">
  <properties>
   <property name="kod" type="int" value="209"/>
   <property name="nazev" value="kód 209 mimo katalog"/>
  </properties>
 </tile>
 <tile id="210" type="jídlo">
  <properties>
   <property name="kod" type="int" value="210"/>
   <property name="nazev" value="kód 210 mimo katalog"/>
  </properties>
 </tile>
 <tile id="211" type="jídlo">
  <properties>
   <property name="kod" type="int" value="211"/>
   <property name="nazev" value="kód 211 mimo katalog"/>
  </properties>
 </tile>
 <tile id="212" type="jídlo">
  <properties>
   <property name="kod" type="int" value="212"/>
   <property name="nazev" value="kód 212 mimo katalog"/>
  </properties>
 </tile>
 <tile id="213" type="jídlo">
  <properties>
   <property name="kod" type="int" value="213"/>
   <property name="nazev" value="kód 213 mimo katalog"/>
  </properties>
 </tile>
 <tile id="214" type="jídlo">
  <properties>
   <property name="kod" type="int" value="214"/>
   <property name="nazev" value="kód 214 mimo katalog"/>
  </properties>
 </tile>
 <tile id="215" type="jídlo">
  <properties>
   <property name="kod" type="int" value="215"/>
   <property name="nazev" value="kód 215 mimo katalog"/>
  </properties>
 </tile>
 <tile id="216" type="jídlo">
  <properties>
   <property name="kod" type="int" value="216"/>
   <property name="nazev" value="kód 216 mimo katalog"/>
  </properties>
 </tile>
 <tile id="217" type="jídlo">
  <properties>
   <property name="kod" type="int" value="217"/>
   <property name="nazev" value="kód 217 mimo katalog"/>
  </properties>
 </tile>
 <tile id="218" type="jídlo">
  <properties>
   <property name="kod" type="int" value="218"/>
   <property name="nazev" value="kód 218 mimo katalog"/>
  </properties>
 </tile>
 <tile id="219" type="jídlo">
  <properties>
   <property name="kod" type="int" value="219"/>
   <property name="nazev" value="kód 219 mimo katalog"/>
  </properties>
 </tile>
 <tile id="220" type="jídlo">
  <properties>
   <property name="kod" type="int" value="220"/>
   <property name="nazev" value="kód 220 mimo katalog"/>
  </properties>
 </tile>
 <tile id="221" type="jídlo">
  <properties>
   <property name="kod" type="int" value="221"/>
   <property name="nazev" value="kód 221 mimo katalog"/>
  </properties>
 </tile>
 <tile id="222" type="jídlo">
  <properties>
   <property name="kod" type="int" value="222"/>
   <property name="nazev" value="kód 222 mimo katalog"/>
  </properties>
 </tile>
 <tile id="223" type="jídlo">
  <properties>
   <property name="kod" type="int" value="223"/>
   <property name="nazev" value="kód 223 mimo katalog"/>
  </properties>
 </tile>
 <tile id="224" type="jídlo">
  <properties>
   <property name="kod" type="int" value="224"/>
   <property name="nazev" value="kód 224 mimo katalog"/>
  </properties>
 </tile>
 <tile id="225" type="jídlo">
  <properties>
   <property name="kod" type="int" value="225"/>
   <property name="nazev" value="kód 225 mimo katalog"/>
  </properties>
 </tile>
 <tile id="226" type="jídlo">
  <properties>
   <property name="kod" type="int" value="226"/>
   <property name="nazev" value="kód 226 mimo katalog"/>
  </properties>
 </tile>
 <tile id="227" type="jídlo">
  <properties>
   <property name="kod" type="int" value="227"/>
   <property name="nazev" value="kód 227 mimo katalog"/>
  </properties>
 </tile>
 <tile id="228" type="jídlo">
  <properties>
   <property name="kod" type="int" value="228"/>
   <property name="nazev" value="kód 228 mimo katalog"/>
  </properties>
 </tile>
 <tile id="229" type="jídlo">
  <properties>
   <property name="kod" type="int" value="229"/>
   <property name="nazev" value="kód 229 mimo katalog"/>
  </properties>
 </tile>
 <tile id="230" type="jídlo">
  <properties>
   <property name="kod" type="int" value="230"/>
   <property name="nazev" value="kód 230 mimo katalog"/>
  </properties>
 </tile>
 <tile id="231" type="jídlo">
  <properties>
   <property name="kod" type="int" value="231"/>
   <property name="nazev" value="kód 231 mimo katalog"/>
  </properties>
 </tile>
 <tile id="232" type="jídlo">
  <properties>
   <property name="kod" type="int" value="232"/>
   <property name="nazev" value="kód 232 mimo katalog"/>
  </properties>
 </tile>
 <tile id="233" type="jídlo">
  <properties>
   <property name="kod" type="int" value="233"/>
   <property name="nazev" value="kód 233 mimo katalog"/>
  </properties>
 </tile>
 <tile id="234" type="jídlo">
  <properties>
   <property name="kod" type="int" value="234"/>
   <property name="nazev" value="kód 234 mimo katalog"/>
  </properties>
 </tile>
 <tile id="235" type="jídlo">
  <properties>
   <property name="kod" type="int" value="235"/>
   <property name="nazev" value="kód 235 mimo katalog"/>
  </properties>
 </tile>
 <tile id="236" type="jídlo">
  <properties>
   <property name="kod" type="int" value="236"/>
   <property name="nazev" value="kód 236 mimo katalog"/>
  </properties>
 </tile>
 <tile id="237" type="jídlo">
  <properties>
   <property name="kod" type="int" value="237"/>
   <property name="nazev" value="kód 237 mimo katalog"/>
  </properties>
 </tile>
 <tile id="238" type="jídlo">
  <properties>
   <property name="kod" type="int" value="238"/>
   <property name="nazev" value="kód 238 mimo katalog"/>
  </properties>
 </tile>
 <tile id="239" type="jídlo">
  <properties>
   <property name="kod" type="int" value="239"/>
   <property name="nazev" value="kód 239 mimo katalog"/>
  </properties>
 </tile>
 <tile id="240" type="jídlo">
  <properties>
   <property name="kod" type="int" value="240"/>
   <property name="nazev" value="kód 240 mimo katalog"/>
  </properties>
 </tile>
 <tile id="241" type="jídlo">
  <properties>
   <property name="kod" type="int" value="241"/>
   <property name="nazev" value="kód 241 mimo katalog"/>
  </properties>
 </tile>
 <tile id="242" type="jídlo">
  <properties>
   <property name="kod" type="int" value="242"/>
   <property name="nazev" value="kód 242 mimo katalog"/>
  </properties>
 </tile>
 <tile id="243" type="jídlo">
  <properties>
   <property name="kod" type="int" value="243"/>
   <property name="nazev" value="kód 243 mimo katalog"/>
  </properties>
 </tile>
 <tile id="244" type="jídlo">
  <properties>
   <property name="kod" type="int" value="244"/>
   <property name="nazev" value="kód 244 mimo katalog"/>
  </properties>
 </tile>
 <tile id="245" type="jídlo">
  <properties>
   <property name="kod" type="int" value="245"/>
   <property name="nazev" value="kód 245 mimo katalog"/>
  </properties>
 </tile>
 <tile id="246" type="jídlo">
  <properties>
   <property name="kod" type="int" value="246"/>
   <property name="nazev" value="kód 246 mimo katalog"/>
  </properties>
 </tile>
 <tile id="247" type="jídlo">
  <properties>
   <property name="kod" type="int" value="247"/>
   <property name="nazev" value="kód 247 mimo katalog"/>
  </properties>
 </tile>
 <tile id="248" type="jídlo">
  <properties>
   <property name="kod" type="int" value="248"/>
   <property name="nazev" value="kód 248 mimo katalog"/>
  </properties>
 </tile>
 <tile id="249" type="jídlo">
  <properties>
   <property name="kod" type="int" value="249"/>
   <property name="nazev" value="kód 249 mimo katalog"/>
  </properties>
 </tile>
 <tile id="250" type="jídlo">
  <properties>
   <property name="kod" type="int" value="250"/>
   <property name="nazev" value="kód 250 mimo katalog"/>
  </properties>
 </tile>
 <tile id="251" type="jídlo">
  <properties>
   <property name="kod" type="int" value="251"/>
   <property name="nazev" value="kód 251 mimo katalog"/>
  </properties>
 </tile>
 <tile id="252" type="jídlo">
  <properties>
   <property name="kod" type="int" value="252"/>
   <property name="nazev" value="kód 252 mimo katalog"/>
  </properties>
 </tile>
 <tile id="253" type="jídlo">
  <properties>
   <property name="kod" type="int" value="253"/>
   <property name="nazev" value="kód 253 mimo katalog"/>
  </properties>
 </tile>
 <tile id="254" type="jídlo">
  <properties>
   <property name="kod" type="int" value="254"/>
   <property name="nazev" value="kód 254 mimo katalog"/>
  </properties>
 </tile>
 <tile id="255" type="jídlo">
  <properties>
   <property name="kod" type="int" value="255"/>
   <property name="nazev" value="kód 255 mimo katalog"/>
  </properties>
 </tile>
</tileset>
