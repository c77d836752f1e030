<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" name="Vinula" tilewidth="20" tileheight="20" tilecount="105" columns="15">
 <properties>
  <property name="vinula" value="předměty katalogu"/>
 </properties>
 <image source="vinula.png" width="300" height="140"/>
 <tile id="0" type="vinula">
  <properties>
   <property name="kod" type="int" value="1"/>
   <property name="nazev" value="vinula"/>
  </properties>
 </tile>
 <tile id="2" type="zeď">
  <properties>
   <property name="kod" type="int" value="50"/>
   <property name="nazev" value="zeď barevná"/>
  </properties>
 </tile>
 <tile id="3" type="zeď">
  <properties>
   <property name="kod" type="int" value="51"/>
   <property name="nazev" value="zeď bílá"/>
  </properties>
 </tile>
 <tile id="4" type="zeď">
  <properties>
   <property name="kod" type="int" value="52"/>
   <property name="nazev" value="zeď modrá"/>
  </properties>
 </tile>
 <tile id="5" type="zeď">
  <properties>
   <property name="kod" type="int" value="53"/>
   <property name="nazev" value="zeď zelená"/>
  </properties>
 </tile>
 <tile id="6" type="zeď">
  <properties>
   <property name="kod" type="int" value="54"/>
   <property name="nazev" value="zeď šedá"/>
  </properties>
 </tile>
 <tile id="7" type="zeď">
  <properties>
   <property name="kod" type="int" value="55"/>
   <property name="nazev" value="zeď žlutá"/>
  </properties>
 </tile>
 <tile id="8" type="zeď">
  <properties>
   <property name="kod" type="int" value="56"/>
   <property name="nazev" value="zeď červená"/>
  </properties>
 </tile>
 <tile id="9" type="zeď">
  <properties>
   <property name="kod" type="int" value="57"/>
   <property name="nazev" value="zeď růžová"/>
  </properties>
 </tile>
 <tile id="10" type="zeď">
  <properties>
   <property name="kod" type="int" value="58"/>
   <property name="nazev" value="zeď hnědá"/>
  </properties>
 </tile>
 <tile id="12">
  <properties>
   <property name="kod" type="int" value="0"/>
   <property name="nazev" value="volná plocha"/>
  </properties>
 </tile>
 <tile id="13">
  <properties>
   <property name="kod" type="int" value="0"/>
   <property name="nazev" value="volná plocha"/>
  </properties>
 </tile>
 <tile id="14">
  <properties>
   <property name="kod" type="int" value="0"/>
   <property name="nazev" value="volná plocha"/>
  </properties>
 </tile>
 <tile id="27">
  <properties>
   <property name="kod" type="int" value="0"/>
   <property name="nazev" value="volná plocha"/>
  </properties>
 </tile>
 <tile id="28">
  <properties>
   <property name="kod" type="int" value="0"/>
   <property name="nazev" value="volná plocha"/>
  </properties>
 </tile>
 <tile id="29">
  <properties>
   <property name="kod" type="int" value="0"/>
   <property name="nazev" value="volná plocha"/>
  </properties>
 </tile>
 <tile id="30" type="jídlo">
  <properties>
   <property name="kod" type="int" value="100"/>
   <property name="nazev" value="brouk hnědý"/>
  </properties>
 </tile>
 <tile id="31" type="jídlo">
  <properties>
   <property name="kod" type="int" value="101"/>
   <property name="nazev" value="mšice modrá"/>
  </properties>
 </tile>
 <tile id="32" type="jídlo">
  <properties>
   <property name="kod" type="int" value="102"/>
   <property name="nazev" value="disketa červená"/>
  </properties>
 </tile>
 <tile id="33" type="jídlo">
  <properties>
   <property name="kod" type="int" value="103"/>
   <property name="nazev" value="disketa modrá"/>
  </properties>
 </tile>
 <tile id="34" type="jídlo">
  <properties>
   <property name="kod" type="int" value="104"/>
   <property name="nazev" value="domino naležato"/>
  </properties>
 </tile>
 <tile id="35" type="jídlo">
  <properties>
   <property name="kod" type="int" value="105"/>
   <property name="nazev" value="domino nastojato"/>
  </properties>
 </tile>
 <tile id="36" type="jídlo">
  <properties>
   <property name="kod" type="int" value="106"/>
   <property name="nazev" value="figurka červená"/>
  </properties>
 </tile>
 <tile id="37" type="jídlo">
  <properties>
   <property name="kod" type="int" value="107"/>
   <property name="nazev" value="figurka zelená"/>
  </properties>
 </tile>
 <tile id="38" type="jídlo">
  <properties>
   <property name="kod" type="int" value="108"/>
   <property name="nazev" value="figurka žlutá"/>
  </properties>
 </tile>
 <tile id="39" type="jídlo">
  <properties>
   <property name="kod" type="int" value="109"/>
   <property name="nazev" value="hodiny hranaté"/>
  </properties>
 </tile>
 <tile id="40" type="jídlo">
  <properties>
   <property name="kod" type="int" value="110"/>
   <property name="nazev" value="hodiny kulaté"/>
  </properties>
 </tile>
 <tile id="41" type="jídlo">
  <properties>
   <property name="kod" type="int" value="111"/>
   <property name="nazev" value="jablko červené"/>
  </properties>
 </tile>
 <tile id="42" type="jídlo">
  <properties>
   <property name="kod" type="int" value="112"/>
   <property name="nazev" value="jablko žluté"/>
  </properties>
 </tile>
 <tile id="43" type="jídlo">
  <properties>
   <property name="kod" type="int" value="113"/>
   <property name="nazev" value="kostka zelená"/>
  </properties>
 </tile>
 <tile id="44" type="jídlo">
  <properties>
   <property name="kod" type="int" value="114"/>
   <property name="nazev" value="kostka žlutá"/>
  </properties>
 </tile>
 <tile id="45" type="jídlo">
  <properties>
   <property name="kod" type="int" value="115"/>
   <property name="nazev" value="nota modrá"/>
  </properties>
 </tile>
 <tile id="46" type="jídlo">
  <properties>
   <property name="kod" type="int" value="116"/>
   <property name="nazev" value="nota žlutá"/>
  </properties>
 </tile>
 <tile id="47" type="jídlo">
  <properties>
   <property name="kod" type="int" value="117"/>
   <property name="nazev" value="autobus červený"/>
  </properties>
 </tile>
 <tile id="48" type="jídlo">
  <properties>
   <property name="kod" type="int" value="118"/>
   <property name="nazev" value="cívka"/>
  </properties>
 </tile>
 <tile id="49" type="jídlo">
  <properties>
   <property name="kod" type="int" value="119"/>
   <property name="nazev" value="film zelený"/>
  </properties>
 </tile>
 <tile id="50" type="jídlo">
  <properties>
   <property name="kod" type="int" value="120"/>
   <property name="nazev" value="klíč"/>
  </properties>
 </tile>
 <tile id="51" type="jídlo">
  <properties>
   <property name="kod" type="int" value="121"/>
   <property name="nazev" value="srdce červené"/>
  </properties>
 </tile>
 <tile id="52" type="jídlo">
  <properties>
   <property name="kod" type="int" value="122"/>
   <property name="nazev" value="telefon červený"/>
  </properties>
 </tile>
 <tile id="53" type="jídlo">
  <properties>
   <property name="kod" type="int" value="123"/>
   <property name="nazev" value="zvonek žlutý"/>
  </properties>
 </tile>
 <tile id="54" type="jídlo">
  <properties>
   <property name="kod" type="int" value="124"/>
   <property name="nazev" value="dynamit červený"/>
  </properties>
 </tile>
 <tile id="55" type="jídlo">
  <properties>
   <property name="kod" type="int" value="125"/>
   <property name="nazev" value="kříž červený"/>
  </properties>
 </tile>
 <tile id="56" type="jídlo">
  <properties>
   <property name="kod" type="int" value="126"/>
   <property name="nazev" value="oko modré"/>
  </properties>
 </tile>
 <tile id="57" type="jídlo">
  <properties>
   <property name="kod" type="int" value="127"/>
   <property name="nazev" value="mravenec celý"/>
  </properties>
 </tile>
 <tile id="58" type="jídlo">
  <properties>
   <property name="kod" type="int" value="128"/>
   <property name="nazev" value="skalára červená"/>
  </properties>
 </tile>
 <tile id="59" type="jídlo">
  <properties>
   <property name="kod" type="int" value="129"/>
   <property name="nazev" value="stopa šedá"/>
  </properties>
 </tile>
 <tile id="60" type="jídlo">
  <properties>
   <property name="kod" type="int" value="130"/>
   <property name="nazev" value="vosa"/>
  </properties>
 </tile>
 <tile id="61" type="jídlo">
  <properties>
   <property name="kod" type="int" value="131"/>
   <property name="nazev" value="žárovka svítící"/>
  </properties>
 </tile>
 <tile id="62" type="jídlo">
  <properties>
   <property name="kod" type="int" value="132"/>
   <property name="nazev" value="hlava žlutozelená"/>
  </properties>
 </tile>
 <tile id="63" type="jídlo">
  <properties>
   <property name="kod" type="int" value="133"/>
   <property name="nazev" value="myška šedá"/>
  </properties>
 </tile>
 <tile id="64" type="jídlo">
  <properties>
   <property name="kod" type="int" value="134"/>
   <property name="nazev" value="obálka růžová"/>
  </properties>
 </tile>
 <tile id="65" type="jídlo">
  <properties>
   <property name="kod" type="int" value="135"/>
   <property name="nazev" value="osoby žlutozelené"/>
  </properties>
 </tile>
 <tile id="66" type="jídlo">
  <properties>
   <property name="kod" type="int" value="136"/>
   <property name="nazev" value="packman žlutý"/>
  </properties>
 </tile>
 <tile id="67" type="jídlo">
  <properties>
   <property name="kod" type="int" value="137"/>
   <property name="nazev" value="prase růžové"/>
  </properties>
 </tile>
 <tile id="68" type="jídlo">
  <properties>
   <property name="kod" type="int" value="138"/>
   <property name="nazev" value="strom zelený"/>
  </properties>
 </tile>
 <tile id="69" type="jídlo">
  <properties>
   <property name="kod" type="int" value="139"/>
   <property name="nazev" value="zámek žlutý"/>
  </properties>
 </tile>
 <tile id="70" type="jídlo">
  <properties>
   <property name="kod" type="int" value="140"/>
   <property name="nazev" value="stříkačka injekční"/>
  </properties>
 </tile>
 <tile id="71" type="jídlo">
  <properties>
   <property name="kod" type="int" value="141"/>
   <property name="nazev" value="krystal žlutočervený"/>
  </properties>
 </tile>
 <tile id="72" type="jídlo">
  <properties>
   <property name="kod" type="int" value="142"/>
   <property name="nazev" value="kříž červený malý"/>
  </properties>
 </tile>
 <tile id="73" type="jídlo">
  <properties>
   <property name="kod" type="int" value="143"/>
   <property name="nazev" value="mravenec doleva"/>
  </properties>
 </tile>
 <tile id="74" type="jídlo">
  <properties>
   <property name="kod" type="int" value="144"/>
   <property name="nazev" value="mravenec doprava"/>
  </properties>
 </tile>
 <tile id="75" type="jídlo">
  <properties>
   <property name="kod" type="int" value="145"/>
   <property name="nazev" value="mravenec šikmo"/>
  </properties>
 </tile>
 <tile id="76" type="jídlo">
  <properties>
   <property name="kod" type="int" value="146"/>
   <property name="nazev" value="písmeno A"/>
  </properties>
 </tile>
 <tile id="77" type="jídlo">
  <properties>
   <property name="kod" type="int" value="147"/>
   <property name="nazev" value="písmeno B"/>
  </properties>
 </tile>
 <tile id="78" type="jídlo">
  <properties>
   <property name="kod" type="int" value="148"/>
   <property name="nazev" value="písmeno C"/>
  </properties>
 </tile>
 <tile id="79" type="jídlo">
  <properties>
   <property name="kod" type="int" value="149"/>
   <property name="nazev" value="auto červené"/>
  </properties>
 </tile>
 <tile id="80" type="jídlo">
  <properties>
   <property name="kod" type="int" value="150"/>
   <property name="nazev" value="bacil žlutozelený"/>
  </properties>
 </tile>
 <tile id="81" type="jídlo">
  <properties>
   <property name="kod" type="int" value="151"/>
   <property name="nazev" value="domek růžový"/>
  </properties>
 </tile>
 <tile id="82" type="jídlo">
  <properties>
   <property name="kod" type="int" value="152"/>
   <property name="nazev" value="hrnek žlutý"/>
  </properties>
 </tile>
 <tile id="83" type="jídlo">
  <properties>
   <property name="kod" type="int" value="153"/>
   <property name="nazev" value="karta černá"/>
  </properties>
 </tile>
 <tile id="84" type="jídlo">
  <properties>
   <property name="kod" type="int" value="154"/>
   <property name="nazev" value="karta červená"/>
  </properties>
 </tile>
 <tile id="85" type="jídlo">
  <properties>
   <property name="kod" type="int" value="155"/>
   <property name="nazev" value="kniha červená"/>
  </properties>
 </tile>
 <tile id="86" type="jídlo">
  <properties>
   <property name="kod" type="int" value="156"/>
   <property name="nazev" value="panáček v modrém"/>
  </properties>
 </tile>
 <tile id="87" type="jídlo">
  <properties>
   <property name="kod" type="int" value="157"/>
   <property name="nazev" value="postava v červeném"/>
  </properties>
 </tile>
 <tile id="88" type="jídlo">
  <properties>
   <property name="kod" type="int" value="158"/>
   <property name="nazev" value="vidlička a nůž"/>
  </properties>
 </tile>
 <tile id="89" type="jídlo">
  <properties>
   <property name="kod" type="int" value="159"/>
   <property name="nazev" value="človíček doleva"/>
  </properties>
 </tile>
 <tile id="90" type="jídlo">
  <properties>
   <property name="kod" type="int" value="160"/>
   <property name="nazev" value="človíček doprava"/>
  </properties>
 </tile>
 <tile id="91" type="jídlo">
  <properties>
   <property name="kod" type="int" value="161"/>
   <property name="nazev" value="brouk zelený"/>
  </properties>
 </tile>
 <tile id="92" type="jídlo">
  <properties>
   <property name="kod" type="int" value="162"/>
   <property name="nazev" value="pavouk křižák"/>
  </properties>
 </tile>
</tileset>
