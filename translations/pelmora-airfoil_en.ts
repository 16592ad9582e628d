<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="tr_TR">
<context>
    <name>BoundaryLayerWindow</name>
    <message>
        <source>  sürtünme %1, basınç %2</source>
        <translation>  friction %1, pressure %2</translation>
    </message>
    <message>
        <source> (viskozitesiz)</source>
        <translation> (inviscid)</translation>
    </message>
    <message>
        <source>Ayrılma x/c: üst %1, alt %2</source>
        <translation>Separation x/c: upper %1, lower %2</translation>
    </message>
    <message>
        <source>Biçim çarpanı H</source>
        <translation>Shape factor H</translation>
    </message>
    <message>
        <source>CSV tabloları (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Dikkat: sınır tabakası veterin %95&apos;inden önce ayrılıyor. Tutunma kaybı (stall) başlıyor; bu açıda viskozitesiz CL ve CM&apos;ye güvenilmez, CD de yalnızca bir tahmindir.</source>
        <translation>Note: the boundary layer separates ahead of 95 % of the chord. Stall is beginning; the inviscid CL and CM at this angle are not to be believed, and CD is only an estimate.</translation>
    </message>
    <message>
        <source>Durma noktası firar kenarına çok yakın: bir yüzey hesap için çok kısa.</source>
        <translation>The stagnation point is too close to the trailing edge: one side is too short to compute.</translation>
    </message>
    <message>
        <source>Geçiş x/c: üst %1, alt %2</source>
        <translation>Transition x/c: upper %1, lower %2</translation>
    </message>
    <message>
        <source>Geçiş, laminer ayrılma noktasında (kısa ayrılma kabarcığı).</source>
        <translation>Transition at a laminar separation point (a short separation bubble).</translation>
    </message>
    <message>
        <source>Henüz kesit yok: ana pencerede bir kalınlık ya da kamburluk seçin.</source>
        <translation>No section yet: choose a thickness or camber in the main window.</translation>
    </message>
    <message>
        <source>Kalınlığı sıfır olan kesitin hücum kenarı keskindir: hücum açısında akış bu kenarın çevresinden sonsuz hızla döner, sınır tabakası hesaplanamaz.</source>
        <translation>A section of zero thickness has a sharp leading edge: at incidence the flow turns round that edge at unbounded speed, and no boundary layer can be computed.</translation>
    </message>
    <message>
        <source>Kesit ve yer değiştirme kalınlığı δ*</source>
        <translation>Section and displacement thickness δ*</translation>
    </message>
    <message>
        <source>Mavi üst, kırmızı alt yüzey (durma noktasından firar kenarına). Sınır tabakası kesin viskozitesiz yüzey hızından hesaplanır ve akışı geri etkilemez; sıkıştırılabilirlik (Moo) sınır tabakasına uygulanmaz.</source>
        <translation>Blue is the upper side, red the lower (from the stagnation point to the trailing edge). The boundary layer is computed from the exact inviscid surface speed and does not act back on the flow; compressibility (Moo) is not applied to the boundary layer.</translation>
    </message>
    <message>
        <source>Polar tablosunu CSV olarak kaydet...</source>
        <translation>Save the polar table as CSV...</translation>
    </message>
    <message>
        <source>Polar: viskozitesiz CL ve CD</source>
        <translation>Polar: inviscid CL and CD</translation>
    </message>
    <message>
        <source>Reynolds sayısı 1e5 ile 1e8 arasında olmalı.</source>
        <translation>The Reynolds number must lie between 1e5 and 1e8.</translation>
    </message>
    <message>
        <source>Sınır tabakası</source>
        <translation>Boundary layer</translation>
    </message>
    <message>
        <source>Sınır tabakası hesabı firar kenarına ulaşamadı (sonlu olmayan değer).</source>
        <translation>The boundary-layer march did not reach the trailing edge (a non-finite value).</translation>
    </message>
    <message>
        <source>Sınır tabakası tablosunu CSV olarak kaydet...</source>
        <translation>Save the boundary-layer table as CSV...</translation>
    </message>
    <message>
        <source>Tabloyu kaydet</source>
        <translation>Save table</translation>
    </message>
    <message>
        <source>Veter Reynolds sayısı</source>
        <translation>Chord Reynolds number</translation>
    </message>
    <message>
        <source>Veter Reynolds sayısı, 1e5 ile 1e8 arası (örneğin 3e6); Enter uygular.</source>
        <translation>Chord Reynolds number, 1e5 to 1e8 (for example 3e6); Return applies it.</translation>
    </message>
    <message>
        <source>Yüzey sürtünme katsayısı Cf</source>
        <translation>Skin-friction coefficient Cf</translation>
    </message>
    <message>
        <source>yok</source>
        <translation>none</translation>
    </message>
    <message>
        <source>δ* %1 kat büyütülmüş; T geçiş, S ayrılma</source>
        <translation>δ* enlarged %1 times; T transition, S separation</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Kalınlık, veter yüzdesi</source>
        <translation>Thickness, per cent of chord</translation>
    </message>
    <message>
        <source>Kesitin en büyük kalınlığı, veterin yüzdesi olarak (0 ile 30 arası). Değişince her şey yeniden hesaplanır ve çizilir.</source>
        <translation>Greatest thickness of the section, per cent of chord (0 to 30). A change recomputes and redraws everything.</translation>
    </message>
    <message>
        <source>Kamburluk, veter yüzdesi</source>
        <translation>Camber, per cent of chord</translation>
    </message>
    <message>
        <source>Orta çizginin en büyük kamburluğu, veterin yüzdesi olarak (0 ile 15 arası). Değişince her şey yeniden hesaplanır ve çizilir.</source>
        <translation>Greatest camber of the mean line, per cent of chord (0 to 15). A change recomputes and redraws everything.</translation>
    </message>
    <message>
        <source>Yüzey noktası sayısı</source>
        <translation>Number of surface points</translation>
    </message>
    <message>
        <source>Kesit yüzeyindeki hesap noktalarının sayısı (11 ile 101 arası; oklarla 2&apos;şer, çubuğun boş yerine tıklayarak 10&apos;ar adım). Daire, profil ve basınç resimleri yeniden çizilir; katsayı grafikleri değişmez.</source>
        <translation>Number of computed points on the section&apos;s surface (11 to 101; the arrows step by 2, a click in the track by 10). The circle, airfoil and pressure pictures are redrawn; the coefficient charts stay.</translation>
    </message>
    <message>
        <source>Hücum açısı, derece</source>
        <translation>Angle of attack, degrees</translation>
    </message>
    <message>
        <source>Hücum açısı α, derece (-10 ile 10 arası). Basınç dağılımı ile CL ve CM grafikleri yeniden çizilir; kesit değişmez.</source>
        <translation>Angle of attack α in degrees (-10 to 10). The pressure distribution and the CL and CM charts are redrawn; the section stays.</translation>
    </message>
    <message>
        <source>Moment referans noktası, veter yüzdesi</source>
        <translation>Moment reference point, per cent of chord</translation>
    </message>
    <message>
        <source>Yunuslama momentinin alındığı noktanın hücum kenarından uzaklığı, veterin yüzdesi olarak (0 ile 100 arası). CM grafiği yeniden çizilir, nokta profilde küçük kırmızı bir daireyle gösterilir.</source>
        <translation>Distance from the leading edge of the point the pitching moment is taken about, per cent of chord (0 to 100). The CM chart is redrawn and the point is marked on the airfoil with a small red circle.</translation>
    </message>
    <message>
        <source>Kalınlık oranı t/c</source>
        <translation>Thickness ratio t/c</translation>
    </message>
    <message>
        <source>En büyük kalınlığın veter uzunluğuna oranı; kalınlık çubuğu belirler.</source>
        <translation>Greatest thickness as a fraction of the chord; set by the thickness bar.</translation>
    </message>
    <message>
        <source>Kamburluk oranı</source>
        <translation>Camber ratio</translation>
    </message>
    <message>
        <source>En büyük kamburluğun veter uzunluğuna oranı; kamburluk çubuğu belirler.</source>
        <translation>Greatest camber as a fraction of the chord; set by the camber bar.</translation>
    </message>
    <message>
        <source>Nokta sayısı</source>
        <translation>Number of points</translation>
    </message>
    <message>
        <source>Kesit yüzeyindeki hesap noktalarının sayısı; nP çubuğu belirler.</source>
        <translation>Number of computed points on the section&apos;s surface; set by the nP bar.</translation>
    </message>
    <message>
        <source>Hücum açısı</source>
        <translation>Angle of attack</translation>
    </message>
    <message>
        <source>Hücum açısı α, derece; α çubuğu belirler.</source>
        <translation>Angle of attack α in degrees; set by the α bar.</translation>
    </message>
    <message>
        <source>Moment referans noktası x/c</source>
        <translation>Moment reference point x/c</translation>
    </message>
    <message>
        <source>Moment referans noktasının hücum kenarından uzaklığı, veter uzunluğuna oranı olarak; xM/c çubuğu belirler.</source>
        <translation>Distance of the moment reference point from the leading edge as a fraction of the chord; set by the xM/c bar.</translation>
    </message>
    <message>
        <source>Serbest akım Mach sayısı</source>
        <translation>Free-stream Mach number</translation>
    </message>
    <message>
        <source>Taşıma katsayısı CL</source>
        <translation>Lift coefficient CL</translation>
    </message>
    <message>
        <source>Geçerli hücum açısındaki taşıma katsayısı, sıkıştırılamaz akış için, dört ondalık basamağa yuvarlanmış.</source>
        <translation>Lift coefficient at the current angle of attack, for incompressible flow, rounded to four decimals.</translation>
    </message>
    <message>
        <source>Yunuslama momenti katsayısı CM</source>
        <translation>Pitching-moment coefficient CM</translation>
    </message>
    <message>
        <source>Referans noktasına göre yunuslama momenti katsayısı (burun yukarı pozitif), geçerli hücum açısında, sıkıştırılamaz akış için, beş ondalık basamağa yuvarlanmış.</source>
        <translation>Pitching-moment coefficient about the reference point (nose-up positive) at the current angle of attack, for incompressible flow, rounded to five decimals.</translation>
    </message>
    <message>
        <source>Daire düzlemi</source>
        <translation>Circle plane</translation>
    </message>
    <message>
        <source>Kesiti üreten daire, merkezi (artı) ve eksenler. z = ζ + 1/ζ dönüşümü kırmızı yayı alt yüzeye, mavi yayı üst yüzeye çevirir.</source>
        <translation>The circle that generates the section, its centre (cross) and the axes. The mapping z = ζ + 1/ζ turns the red arc into the lower surface and the blue arc into the upper surface.</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Airfoil</translation>
    </message>
    <message>
        <source>Kesit, veterle ölçeklenmiş ızgara üzerinde: yatayda x/c, dikeyde y/c. Alt yüzey kırmızı, üst yüzey mavi.</source>
        <translation>The section over a grid scaled by the chord: x/c across, y/c up. Lower surface red, upper surface blue.</translation>
    </message>
    <message>
        <source>Basınç dağılımı</source>
        <translation>Pressure distribution</translation>
    </message>
    <message>
        <source>Yüzeydeki 1-Cp, x/c&apos;ye karşı. Alt yüzey kırmızı, üst yüzey mavi, sıkıştırılabilirlik düzeltmeli eğri eflatun.</source>
        <translation>1-Cp on the surface against x/c. Lower surface red, upper surface blue, compressibility-corrected curve magenta.</translation>
    </message>
    <message>
        <source>CL grafiği</source>
        <translation>CL chart</translation>
    </message>
    <message>
        <source>Taşıma katsayısı CL, hücum açısına (derece) karşı; kırmızı daire geçerli açıda. Sıkıştırılabilirlik düzeltmeli eğri eflatun.</source>
        <translation>Lift coefficient CL against angle of attack in degrees; the red circle is at the current angle. Compressibility-corrected curve magenta.</translation>
    </message>
    <message>
        <source>CM grafiği</source>
        <translation>CM chart</translation>
    </message>
    <message>
        <source>Referans noktasına göre yunuslama momenti katsayısı CM, hücum açısına (derece) karşı; kırmızı daire geçerli açıda. Sıkıştırılabilirlik düzeltmeli eğri eflatun.</source>
        <translation>Pitching-moment coefficient CM about the reference point against angle of attack in degrees; the red circle is at the current angle. Compressibility-corrected curve magenta.</translation>
    </message>
    <message>
        <source>Kalınlık %1, kamburluk %2 için daire: merkez (%3, %4).</source>
        <translation>Circle for thickness %1, camber %2: centre (%3, %4).</translation>
    </message>
    <message>
        <source>Kalınlık %1, kamburluk %2 (veter oranı), %3 yüzey noktası.</source>
        <translation>Thickness %1, camber %2 (fractions of chord), %3 surface points.</translation>
    </message>
    <message>
        <source>Hücum açısı %1 derecede 1-Cp, %2 yüzey noktası.</source>
        <translation>1-Cp at alpha %1 degrees, %2 surface points.</translation>
    </message>
    <message>
        <source>CL %1, hücum açısı %2 derece</source>
        <translation>CL %1 at alpha %2 degrees</translation>
    </message>
    <message>
        <source>; düzeltilmiş CL %1</source>
        <translation>; corrected CL %1</translation>
    </message>
    <message>
        <source>CM %1, x/c %2 noktasına göre, hücum açısı %3 derece</source>
        <translation>CM %1 about x/c %2 at alpha %3 degrees</translation>
    </message>
    <message>
        <source>Henüz çizilmedi: tıklayınca (ya da Boşluk veya Enter) her şey hesaplanır ve çizilir.</source>
        <translation>Not drawn yet: a click (or Space or Return) computes and draws everything.</translation>
    </message>
    <message>
        <source>Serbest akım Mach sayısı M∞, -1 ile 1 arasında; ondalık ayırıcı nokta da virgül de olabilir, 0 sıkıştırılamaz akıştır. Enter her şeyi bu sayıyla yeniden hesaplar; Enter&apos;a basılmazsa sayı bir sonraki hesapta okunur. Prandtl-Glauert düzeltmesi kesitin kritik Mach sayısının altında geçerlidir (F3).</source>
        <translation>Free-stream Mach number M∞, between -1 and 1, with a point or a comma as decimal separator; 0 is incompressible flow. Return recomputes everything with this number; without Return the number is read at the next computation. The Prandtl-Glauert correction holds below the section&apos;s critical Mach number (F3).</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>Kanat profili ders notu</source>
        <translation>Airfoil handout</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>kalınlık t/c = %1</source>
        <translation>thickness t/c = %1</translation>
    </message>
    <message>
        <source>kamburluk f/c = %1</source>
        <translation>camber f/c = %1</translation>
    </message>
    <message>
        <source>nokta sayısı nP = %1</source>
        <translation>points nP = %1</translation>
    </message>
    <message>
        <source>hücum açısı α = %1°</source>
        <translation>angle of attack α = %1°</translation>
    </message>
    <message>
        <source>moment referans noktası xM/c = %1</source>
        <translation>moment reference xM/c = %1</translation>
    </message>
    <message>
        <source>Mach sayısı Moo = %1</source>
        <translation>Mach number Moo = %1</translation>
    </message>
    <message>
        <source>Katsayılar</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>resim kodlanamadı</source>
        <translation>cannot encode the image</translation>
    </message>
    <message>
        <source>diskte yer kalmadı</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>dosya, izin verilen en büyük boyutu aşıyor</source>
        <translation>the file would be larger than allowed</translation>
    </message>
    <message>
        <source>bu klasöre yazma izniniz yok</source>
        <translation>you may not write in this folder</translation>
    </message>
    <message>
        <source>disk yalnızca okunabilir</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>bu ad bir klasöre ait</source>
        <translation>that name is a folder</translation>
    </message>
    <message>
        <source>klasör yok</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>sistem hatası %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>dosya yazmaya karşı korumalı</source>
        <translation>the file is write-protected</translation>
    </message>
    <message>
        <source>; önceki dosya olduğu gibi duruyor</source>
        <translation>; the file that was there is unchanged</translation>
    </message>
</context>
<context>
    <name>FlowWindow</name>
    <message>
        <source>Profil düzlemindeki akış</source>
        <translation>Flow in the airfoil plane</translation>
    </message>
    <message>
        <source>Daire düzlemindeki akış</source>
        <translation>Flow in the circle plane</translation>
    </message>
    <message>
        <source>Kesitin çevresindeki akış: eşit ψ adımlarında akım çizgileri, kalın siyah çizgi bölen akım çizgisi (ψ = 0), beyaz noktalar burundaki durma noktası ve firar kenarı; arkada basınç katsayısı Cp renk ölçeğiyle. Sağ tık resmi kopyalar ya da kaydeder.</source>
        <translation>The flow about the section: streamlines at equal steps of ψ, the thick black line the dividing streamline (ψ = 0), the white dots the stagnation point at the nose and the trailing edge; behind them the pressure coefficient Cp on its colour scale. Right-click to copy or save the picture.</translation>
    </message>
    <message>
        <source>Kesiti üreten dairenin çevresindeki akış; z = ζ + 1/ζ dönüşümü bu resmi profil düzlemine çevirir. Akım çizgileri, bölen akım çizgisi, iki durma noktası (biri ζ = 1&apos;de, firar kenarının karşılığı) ve Cp renk ölçeği. Sağ tık resmi kopyalar ya da kaydeder.</source>
        <translation>The flow about the circle that generates the section; the map z = ζ + 1/ζ turns this picture into the airfoil plane. Streamlines, the dividing streamline, the two stagnation points (one at ζ = 1, which the map takes to the trailing edge) and the Cp colour scale. Right-click to copy or save the picture.</translation>
    </message>
    <message>
        <source>Akış alanı</source>
        <translation>Flow field</translation>
    </message>
    <message>
        <source>Fare konumundaki akış</source>
        <translation>Flow at the mouse position</translation>
    </message>
    <message>
        <source>Fareyi bir düzlemin üzerinde gezdirin (ya da Tab ile bir düzleme gelip ok tuşlarına basın): o noktadaki hız ve Cp burada görünür, noktanın öteki düzlemdeki karşılığı işaretlenir.</source>
        <translation>Move the mouse over either plane (or Tab to a plane and press the arrow keys): the velocity and Cp at that point show here, and the same point is marked in the other plane.</translation>
    </message>
    <message>
        <source>: kesitin içinde ya da üzerinde; burada akış yok.</source>
        <translation>: on or inside the section; there is no flow here.</translation>
    </message>
    <message>
        <source>: dairenin içinde; dairenin içi akışın parçası değildir.</source>
        <translation>: inside the circle; the inside of the circle is not part of the flow.</translation>
    </message>
    <message>
        <source>Hücum açısı %1 derece.</source>
        <translation>Angle of attack %1 degrees.</translation>
    </message>
    <message>
        <source>Profil düzlemi z</source>
        <translation>Airfoil plane z</translation>
    </message>
    <message>
        <source>Daire düzlemi ζ</source>
        <translation>Circle plane ζ</translation>
    </message>
    <message>
        <source>Henüz kesit yok. Ana pencerede herhangi bir resme tıklayın: kesit hesaplanır ve akış burada çizilir.</source>
        <translation>No section yet. Click any picture in the main window: the section is computed and its flow is drawn here.</translation>
    </message>
    <message>
        <source>Firar kenarı bir durma noktası değildir: akış sivri uçtan serbest akım hızının %1 katıyla ayrılır.</source>
        <translation>The trailing edge is not a stagnation point: the flow leaves the cusp at %1 of the free-stream speed.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Sıkıştırılabilme etkisi</source>
        <translation>Compressibility effect</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Başlarken</source>
        <translation>Getting started</translation>
    </message>
    <message>
        <source>Program açıldığında beş resim boştur. Herhangi bir resme tıklayın ya da odak bir resimdeyken Boşluk veya Enter tuşuna basın: kesit, akış ve iki katsayı o anki ayarlarla hesaplanır ve beş resmin hepsi çizilir.</source>
        <translation>When the program opens, the five pictures are empty. Click any picture, or press Space or Return while a picture has the focus: the section, the flow and both coefficients are computed for the current settings and all five pictures are drawn.</translation>
    </message>
    <message>
        <source>Resimler</source>
        <translation>The pictures</translation>
    </message>
    <message>
        <source>&lt;b&gt;Daire düzlemi&lt;/b&gt; (sol üstte): kesiti üreten daire, merkezi (siyah artı) ve eksenler. z = ζ + 1/ζ dönüşümü bu daireyi profile çevirir: kırmızı çizilen yay alt yüzeye, mavi çizilen yay üst yüzeye dönüşür.</source>
        <translation>&lt;b&gt;Circle plane&lt;/b&gt; (top left): the circle that generates the section, its centre (black cross) and the axes. The mapping z = ζ + 1/ζ turns this circle into the airfoil: the arc drawn in red becomes the lower surface, the arc drawn in blue the upper surface.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Profil&lt;/b&gt; (ortada üstte): kesitin dış çizgisi, veterle ölçeklenmiş bir ızgara üzerinde. Yatay eksen x/c (hücum kenarında 0, firar kenarında 1), dikey eksen y/c; alt yüzey kırmızı, üst yüzey mavi. Moment referans noktası kaydırıldığında veter üzerindeki küçük kırmızı daire o noktayı gösterir.</source>
        <translation>&lt;b&gt;Airfoil&lt;/b&gt; (top middle): the outline of the section over a grid scaled by the chord. Across is x/c (0 at the leading edge, 1 at the trailing edge), up is y/c; lower surface red, upper surface blue. When the moment reference point is moved, a small red circle on the chord marks it.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Basınç dağılımı&lt;/b&gt; (ortada altta): yüzeydeki 1 - Cp, x/c&apos;ye karşı; emme tepeleri yukarı doğru yükselir. Alt yüzey kırmızı, üst yüzey mavi; Moo sıfırdan farklıysa sıkıştırılabilirlik için düzeltilmiş eğri eflatun.</source>
        <translation>&lt;b&gt;Pressure distribution&lt;/b&gt; (bottom middle): 1 - Cp on the surface against x/c, so that suction peaks rise upward. Lower surface red, upper surface blue; when Moo is not zero, the curve corrected for compressibility is magenta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;CL grafiği&lt;/b&gt; (sağ üstte): taşıma katsayısı CL, -12° ile 12° arasındaki hücum açısına (α) karşı, mavi; kırmızı daire geçerli açıdaki değeri gösterir. Moo sıfırdan farklıysa düzeltilmiş eğri ve değer eflatun.</source>
        <translation>&lt;b&gt;CL chart&lt;/b&gt; (top right): the lift coefficient CL against the angle of attack α from -12° to 12°, in blue; the red circle marks the value at the current angle. When Moo is not zero, the corrected curve and value are magenta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;CM grafiği&lt;/b&gt; (sağ altta): seçilen referans noktasına göre yunuslama momenti katsayısı CM (burun yukarı pozitif), hücum açısına karşı; renkler CL grafiğindeki gibidir.</source>
        <translation>&lt;b&gt;CM chart&lt;/b&gt; (bottom right): the pitching-moment coefficient CM about the chosen reference point (nose-up positive) against the angle of attack; colours as on the CL chart.</translation>
    </message>
    <message>
        <source>Izgara çizgileri yeşil, eksenler siyahtır.</source>
        <translation>Grid lines are green, axes black.</translation>
    </message>
    <message>
        <source>Ayarlar</source>
        <translation>The controls</translation>
    </message>
    <message>
        <source>&lt;b&gt;δ&lt;/b&gt;: kalınlık, veterin yüzdesi (0 ile 30 arası). &lt;b&gt;γ&lt;/b&gt;: kamburluk, veterin yüzdesi (0 ile 15 arası). Bu ikisinden biri değişince her şey yeniden hesaplanır ve çizilir.</source>
        <translation>&lt;b&gt;δ&lt;/b&gt;: thickness, per cent of chord (0 to 30). &lt;b&gt;γ&lt;/b&gt;: camber, per cent of chord (0 to 15). A change of either recomputes and redraws everything.</translation>
    </message>
    <message>
        <source>&lt;b&gt;nP&lt;/b&gt;: yüzeydeki hesap noktalarının sayısı (11 ile 101 arası). Daire, profil ve basınç resimleri yeniden çizilir; katsayılar nokta sayısına bağlı olmadığından iki grafik olduğu gibi kalır.</source>
        <translation>&lt;b&gt;nP&lt;/b&gt;: number of computed points on the surface (11 to 101). The circle, airfoil and pressure pictures are redrawn; the coefficients do not depend on the number of points, so the two charts stay as they are.</translation>
    </message>
    <message>
        <source>&lt;b&gt;α&lt;/b&gt;: hücum açısı, derece (-10 ile 10 arası). Basınç dağılımı ve iki grafik yeniden çizilir; kesit değişmez.</source>
        <translation>&lt;b&gt;α&lt;/b&gt;: angle of attack in degrees (-10 to 10). The pressure distribution and both charts are redrawn; the section does not change.</translation>
    </message>
    <message>
        <source>&lt;b&gt;xM/c&lt;/b&gt;: moment referans noktası, veterin yüzdesi (0 ile 100 arası). CM grafiği ve profil yeniden çizilir, nokta profilde işaretlenir.</source>
        <translation>&lt;b&gt;xM/c&lt;/b&gt;: moment reference point, per cent of chord (0 to 100). The CM chart and the airfoil are redrawn and the point is marked on the airfoil.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Moo&lt;/b&gt;: serbest akım Mach sayısı; ondalık ayırıcı olarak nokta da virgül de yazılabilir (örneğin 0.5 ya da 0,5). Yazılan sayı kendiliğinden uygulanmaz: Enter tuşu her şeyi bu sayıyla yeniden hesaplar ve çizer. Enter&apos;a basılmazsa sayı, basınç dağılımını ya da bir katsayı grafiğini yeniden çizen bir sonraki hesapta okunur. -1 ile 1 arasında olmayan bir sayı için uyarı verilir ve düzeltme çizilmez.</source>
        <translation>&lt;b&gt;Moo&lt;/b&gt;: free-stream Mach number; a point or a comma can be typed as decimal separator (for example 0.5 or 0,5). A typed number does not apply by itself: Return recomputes and redraws everything with it. Without Return, the number is read at the next computation that redraws the pressure distribution or a coefficient chart. For a number outside -1 to 1 a warning is shown and no correction is drawn.</translation>
    </message>
    <message>
        <source>&lt;b&gt;CL =&lt;/b&gt; ve &lt;b&gt;CM =&lt;/b&gt; kutuları, geçerli hücum açısındaki sıkıştırılamaz akış katsayılarını gösterir (CL dört, CM beş ondalık basamağa yuvarlanır).</source>
        <translation>The &lt;b&gt;CL =&lt;/b&gt; and &lt;b&gt;CM =&lt;/b&gt; boxes show the coefficients of incompressible flow at the current angle of attack (CL rounded to four decimals, CM to five).</translation>
    </message>
    <message>
        <source>Klavye</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Varsayımlar</source>
        <translation>Assumptions</translation>
    </message>
    <message>
        <source>Akış viskozitesiz ve sıkıştırılamaz kabul edilir. Sirkülasyonu firar kenarı (Kutta) koşulu belirler: akış sivri firar kenarından düzgünce ayrılır. Bu koşul yalnızca sirkülasyonu seçer; tutunma kaybının (stall) olmaması viskozitenin yokluğundandır: sınır tabakası olmadığından akış hiçbir açıda yüzeyden ayrılmaz ve CL açıyla birlikte artmayı sürdürür. Gerçek bir kesitte sınır tabakası büyük açılarda ayrılır ve taşıma düşer. Sürükleme kuvveti de sıfırdır, ama yalnızca sürtünme olmadığı için değil: ayrılma ve iz olmadığından yüzeydeki basınçların bileşkesi serbest akıma diktir (d&apos;Alembert paradoksu), iki boyutlu bir kesitte kanat ucu girdabının getirdiği sürükleme de yoktur. Gerçek bir kesit hem sürtünme hem de basınç (biçim) sürüklemesi taşır.</source>
        <translation>The flow is taken as inviscid and incompressible. The trailing-edge (Kutta) condition fixes the circulation: the flow leaves the sharp trailing edge smoothly. That condition only chooses the circulation; there is no stall because there is no viscosity: without a boundary layer the flow separates from the surface at no angle, and CL keeps rising with the angle. On a real section the boundary layer separates at large angles and the lift falls. The drag is zero too, and not only because there is no friction: with no separation and no wake, the pressures on the surface add up to a force at right angles to the free stream (d&apos;Alembert&apos;s paradox), and a two-dimensional section has no drag from wing-tip vortices either. A real section has both friction drag and pressure (form) drag.</translation>
    </message>
    <message>
        <source>Kesitler önceden hesaplanmış bir katalogdan (KATPE-D20G15.txt) alınır. Katalogda bulunmayan bir kalınlık ve kamburluk çifti için uyarı verilir ve önceki kesit kalır.</source>
        <translation>The sections are taken from a precomputed catalogue (KATPE-D20G15.txt). For a pair of thickness and camber the catalogue lacks, a warning is shown and the previous section stays.</translation>
    </message>
    <message>
        <source>Sınır tabakası</source>
        <translation>The boundary layer</translation>
    </message>
    <message>
        <source>F4 (ya da profil veya basınç resminin sağ tık menüsündeki &lt;b&gt;Sınır tabakası&lt;/b&gt;) sınır tabakası penceresini açar. Sınır tabakası, yüzeye yakın, viskozitenin akışı yavaşlattığı ince katmandır; sürükleme kuvvetinin ve tutunma kaybının (stall) kaynağıdır. Program onu kesitin kesin viskozitesiz yüzey hızından, ön durma noktasından firar kenarına her iki yüzey için ders kitabındaki yöntemlerle hesaplar: laminer bölgede Thwaites yöntemi, geçiş için e^N yöntemi (Ncrit = 9; laminer tabaka daha önce ayrılırsa geçiş orada, kısa bir ayrılma kabarcığıyla olur), türbülanslı bölgede Head&apos;in sürüklenme yöntemi ve Ludwieg-Tillmann sürtünme yasası, sürükleme için firar kenarında Squire-Young formülü.</source>
        <translation>F4 (or &lt;b&gt;Boundary layer&lt;/b&gt; in the right-click menu of the airfoil or pressure picture) opens the boundary-layer window. The boundary layer is the thin layer next to the surface where viscosity slows the flow; it is where drag and stall come from. The program computes it from the section&apos;s exact inviscid surface speed, on both sides from the front stagnation point to the trailing edge, with the textbook methods: Thwaites&apos; method for the laminar part, the e^N method for transition (Ncrit = 9; if the laminar layer separates first, transition happens there, through a short separation bubble), Head&apos;s entrainment method with the Ludwieg-Tillmann friction law for the turbulent part, and the Squire-Young formula at the trailing edge for the drag.</translation>
    </message>
    <message>
        <source>Resimler: kesit ve üzerinde yer değiştirme kalınlığı δ* (görünsün diye 10 kat büyütülmüş; T geçiş, S ayrılma noktası); Cf, duvardaki sürtünme gerilmesinin serbest akış dinamik basıncına oranı; H = δ*/θ biçim çarpanı (laminerde 2.6 dolayında, türbülanslıda 1.4 dolayında; 2.4&apos;ü geçince türbülanslı tabaka ayrılır); polar, −10° ile 10° arasında viskozitesiz CL&apos;ye karşı CD, kırmızı nokta şimdiki açı. Mavi üst, kırmızı alt yüzeydir. Sağda CD, sürtünme ve basınç payları, geçiş ve ayrılma noktaları, L/D görünür; Re kutusuna 1e5 ile 1e8 arası bir değer yazıp Enter&apos;a basın (geçersiz yazı eski değeri geri getirir).</source>
        <translation>The pictures: the section with the displacement thickness δ* on it (enlarged 10 times to be seen; T marks transition, S separation); Cf, the wall shear stress over the free-stream dynamic pressure; the shape factor H = δ*/θ (near 2.6 when laminar, near 1.4 when turbulent; past 2.4 the turbulent layer separates); the polar, inviscid CL against CD from −10° to 10°, the red dot the current angle. Blue is the upper side, red the lower. On the right are CD with its friction and pressure parts, the transition and separation points and L/D; type a value from 1e5 to 1e8 into the Re box and press Return (text that is not such a number brings the old value back).</translation>
    </message>
    <message>
        <source>Sınırlar: sınır tabakası dış akışı geri etkilemez (viskoz-viskozitesiz etkileşim yoktur), bu yüzden CL viskozitesiz kalır ve CD, etkileşimli bir çözümden genellikle %10 kadar yüksek çıkar. Sıkıştırılabilirlik sınır tabakasına uygulanmaz. Tabaka veterin %95&apos;inden önce ayrılırsa pencere uyarır: orada tutunma kaybı başlar ve o açının CL ve CM değerlerine güvenilmez.</source>
        <translation>Limits: the boundary layer does not act back on the outer flow (there is no viscous-inviscid interaction), so CL stays inviscid and CD comes out about 10 % higher than an interacting solution gives. Compressibility is not applied to the boundary layer. If the layer separates ahead of 95 % of the chord the window warns: stall begins there, and the CL and CM of that angle are not to be believed.</translation>
    </message>
    <message>
        <source>Dil</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Program Türkçe açılır. İngilizce için &lt;tt&gt;--lang en&lt;/tt&gt;, Türkçe için &lt;tt&gt;--lang tr&lt;/tt&gt; ile başlatın; seçim sonraki açılışlarda da geçerlidir.</source>
        <translation>Turkish is the default language. Start the program with &lt;tt&gt;--lang en&lt;/tt&gt; for English or &lt;tt&gt;--lang tr&lt;/tt&gt; for Turkish; the choice is kept for later runs.</translation>
    </message>
    <message>
        <source>Yardım</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Akış alanı</source>
        <translation>Flow field</translation>
    </message>
    <message>
        <source>F2 (ya da daire veya profil resminin sağ tık menüsündeki &lt;b&gt;Akış alanı&lt;/b&gt;) akış alanı penceresini açar: solda kesitin, sağda onu üreten dairenin çevresindeki akış. Bu bir benzetim değil, programın kuramının verdiği kesin potansiyel akıştır. İnce çizgiler eşit ψ adımlarındaki akım çizgileridir; kalın siyah çizgi, akışın burunda ikiye ayrıldığı ve firar kenarından düzgünce ayrıldığı bölen akım çizgisidir (ψ = 0). Beyaz noktalar dairedeki iki durma noktası ve kesitteki karşılıklarıdır. Kesitte bunlardan yalnızca burundaki bir durma noktasıdır: dönüşümün türevi de ζ = 1&apos;de sıfır olduğundan akış sivri firar kenarından durmadan, serbest akım hızının %12 kalınlıktaki bir kesitte yaklaşık 0.9 katıyla (daha kalın kesitlerde biraz daha azıyla) ayrılır. Arkadaki renkler basınç katsayısı Cp&apos;dir: koyu mor -3 (emme), sarı 1 (durma basıncı); renk ölçeği renk körlüğüne uygundur.</source>
        <translation>F2 (or &lt;b&gt;Flow field&lt;/b&gt; in the right-click menu of the circle or airfoil picture) opens the flow-field window: on the left the flow about the section, on the right the flow about the circle that generates it. This is not a simulation but the exact potential flow of the program&apos;s theory. The thin lines are streamlines at equal steps of ψ; the thick black line is the dividing streamline (ψ = 0), where the flow splits at the nose and leaves the trailing edge smoothly. The white dots are the two stagnation points on the circle and their images on the section. On the section only the one at the nose is a stagnation point: the map&apos;s derivative vanishes at ζ = 1 as well, so the flow leaves the sharp trailing edge without stopping, at about 0.9 of the free-stream speed on a 12 % thick section (somewhat less on thicker ones). The colours behind are the pressure coefficient Cp, from dark violet at -3 (suction) to yellow at 1 (the stagnation pressure), on a colour-blind-safe scale.</translation>
    </message>
    <message>
        <source>Fare bir düzlemin üzerindeyken alttaki satır o noktadaki x/c, y/c, u, v, |V| ve Cp değerlerini gösterir; noktanın öteki düzlemdeki karşılığı bir halkayla işaretlenir. Klavyeyle Tab bir düzleme gelir ve ok tuşları halkayla gösterilen bir ölçüm noktasını gezdirir (Shift ile daha ince adımlarla). Pencere ana pencereyi izler: kalınlık, kamburluk ya da α değişince yeniden çizilir. Resimler sağ tık menüsünden kopyalanır ya da PNG, SVG veya PDF olarak kaydedilir; Esc pencereyi kapatır.</source>
        <translation>With the mouse over a plane, the line at the bottom shows x/c, y/c, u, v, |V| and Cp at that point, and the same point is ringed in the other plane. With the keyboard, Tab reaches a plane and the arrow keys move a probe point, shown by a ring (with Shift in finer steps). The window follows the main window: a change of thickness, camber or α redraws it. Right-click a picture to copy it or save it as PNG, SVG or PDF; Escape closes the window.</translation>
    </message>
    <message>
        <source>Moo sıfırdan farklıysa basınç katsayısı ve iki katsayı, Prandtl-Glauert kuralıyla 1/√(1 - Moo²) çarpanı kadar büyütülür. Bu doğrusal düzeltme yalnızca ses altı ve yüzeye yapışık akış için, kritik Mach sayısının altında geçerlidir: düzeltilmiş en düşük basıncın ses hızındaki Cp* değerine ulaştığı Mach sayısı. Kritik Mach sayısı kalınlığa, kamburluğa ve hücum açısına bağlıdır (%12 kalın, %4 kamburlu kesitte 2°&apos;de 0.599, 6°&apos;de 0.456). Onun üstünde yüzeyde yerel ses üstü bölgeler ve şok dalgaları oluşur; program bunu basınç resminin üstünde ve okumalar penceresinde (F3) söyler, basınç grafiğinde de kesikli Cp* çizgisini gösterir. Kalınlığı sıfır bir kesitin sivri hücum kenarında hız, 0° dışında sınırsızdır.</source>
        <translation>When Moo is not zero, the pressure coefficient and both coefficients are enlarged by the Prandtl-Glauert factor 1/√(1 - Moo²). This linear correction holds only for subsonic, attached flow below the critical Mach number: the Mach number at which the corrected lowest pressure reaches the sonic value Cp*. The critical Mach number depends on thickness, camber and incidence (0.599 at 2° and 0.456 at 6° for the 12 % thick, 4 % cambered section). Above it local supersonic regions and shock waves form on the surface; the program says so over the pressure picture and in the readouts window (F3), and the pressure chart shows the dashed Cp* line. At the sharp leading edge of a zero-thickness section the speed is unbounded except at 0°.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Pencereyi yazdır...</source>
        <translation>Print window...</translation>
    </message>
    <message>
        <source>Ders notunu PDF olarak kaydet...</source>
        <translation>Save handout as PDF...</translation>
    </message>
    <message>
        <source>Akış alanı...</source>
        <translation>Flow field...</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>denetimler arasında dolaşır; odaktaki denetim renkli bir çerçeveyle işaretlenir</source>
        <translation>move between the controls; the control with the focus is marked by a coloured frame</translation>
    </message>
    <message>
        <source>Sağ ok, sol ok</source>
        <translation>Right arrow, left arrow</translation>
    </message>
    <message>
        <source>kaydırma çubuğunu küçük bir adım ileri ya da geri götürür</source>
        <translation>move a scroll bar a small step forward or back</translation>
    </message>
    <message>
        <source>Page Down, Page Up</source>
        <translation>Page Down, Page Up</translation>
    </message>
    <message>
        <source>kaydırma çubuğunu büyük bir adım ileri ya da geri götürür</source>
        <translation>move a scroll bar a large step forward or back</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>kaydırma çubuğunu uçlarına götürür</source>
        <translation>move a scroll bar to its ends</translation>
    </message>
    <message>
        <source>Boşluk, Enter</source>
        <translation>Space, Enter</translation>
    </message>
    <message>
        <source>odaktaki resimde tıklamayla aynı işi yapar: her şey hesaplanır ve çizilir</source>
        <translation>on the picture with the focus, do what a click does: everything is computed and drawn</translation>
    </message>
    <message>
        <source>Menü tuşu, Shift+F10</source>
        <translation>Menu key, Shift+F10</translation>
    </message>
    <message>
        <source>odaktaki resmin menüsünü açar (kopyala, kaydet, yazdır)</source>
        <translation>open the menu of the picture with the focus (copy, save, print)</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Hakkında penceresini (About) açar</source>
        <translation>opens the About window</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>bu yardım penceresini açar</source>
        <translation>opens this help window</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>akış alanı penceresini açar</source>
        <translation>opens the flow-field window</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>pencereyi yazdırır</source>
        <translation>prints the window</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>beş resmi ve değerleri bir sayfalık PDF ders notu olarak kaydeder</source>
        <translation>saves the five pictures and their values as a one-page PDF handout</translation>
    </message>
    <message>
        <source>Ctrl+Artı, Ctrl+=</source>
        <translation>Ctrl+Plus, Ctrl+=</translation>
    </message>
    <message>
        <source>pencereleri %25 büyütür (en çok %300); Ctrl ile fare tekerleği de büyütür ve küçültür</source>
        <translation>zoom the windows in by 25 % (up to 300 %); Ctrl with the mouse wheel zooms in and out too</translation>
    </message>
    <message>
        <source>Ctrl+Eksi</source>
        <translation>Ctrl+Minus</translation>
    </message>
    <message>
        <source>pencereleri %25 küçültür (en az %50)</source>
        <translation>zooms the windows out by 25 % (down to 50 %)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>pencereleri tasarlanan boyutlarına döndürür</source>
        <translation>returns the windows to their designed size</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Sınır tabakası...</source>
        <translation>Boundary layer...</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>sınır tabakası penceresini açar</source>
        <translation>opens the boundary-layer window</translation>
    </message>
    <message>
        <source>Okumalar...</source>
        <translation>Readouts...</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>okumalar penceresini açar: katsayılar, sıfır taşıma açısı, aerodinamik merkez, kritik Mach sayısı, ince kanat değerleriyle yan yana</source>
        <translation>opens the readouts window: the coefficients, the zero-lift angle, the aerodynamic centre and the critical Mach number beside their thin-airfoil values</translation>
    </message>
    <message>
        <source>Bu durumu referans olarak sabitle</source>
        <translation>Pin this case as a reference</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>çizilen durumu referans olarak sabitler; her resimde kesikli çizilir (en çok dört, yenisi en eskisinin yerini alır)</source>
        <translation>pins the drawn case as a reference, drawn dashed in every picture (at most four; a new one takes the place of the oldest)</translation>
    </message>
    <message>
        <source>Bütün referansları kaldır</source>
        <translation>Remove all references</translation>
    </message>
    <message>
        <source>Ctrl+Shift+K</source>
        <translation>Ctrl+Shift+K</translation>
    </message>
    <message>
        <source>bütün referansları kaldırır</source>
        <translation>removes every reference</translation>
    </message>
    <message>
        <source>yardım, akış alanı, sınır tabakası, okumalar ya da Hakkında penceresini kapatır</source>
        <translation>closes the help, flow-field, boundary-layer, readouts or About window</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>KATPE-D20G15.txt dosyası bulunamadı</source>
        <translation>The file KATPE-D20G15.txt was not found</translation>
    </message>
    <message>
        <source>bu profil veritabanında yok</source>
        <translation>this section is not in the catalogue</translation>
    </message>
    <message>
        <source>Moo -1 ile 1 arasında olmalı. Bu değerle sıkıştırılabilme düzeltmesi yapılamaz; yalnızca sıkıştırılamaz akışın eğrileri çizildi.</source>
        <translation>Moo must be between -1 and 1. No compressibility correction exists for this value; only the incompressible curves are drawn.</translation>
    </message>
    <message>
        <source>Program açılırken beklenmeyen bir hata oldu. Pencere açılıyor, ama katalog okunamamış olabilir.</source>
        <translation>An unexpected error occurred while the program was starting. The window opens, but the catalogue may not have been read.</translation>
    </message>
    <message>
        <source>Bu kalınlık ve kamburluk için profil hesaplanamadı. Ekrandaki önceki profil ve sonuçları geçerli kalıyor.</source>
        <translation>No section could be computed for this thickness and camber. The previous section and its results on the screen remain valid.</translation>
    </message>
    <message>
        <source>Profil resmi çizilirken geçersiz bir sayı çıktı ve çizim yarıda kaldı. Basınç grafiği, CL ve CM bu adımda yenilenmedi.</source>
        <translation>An invalid number came up while drawing the section, and the drawing was left unfinished. The pressure chart, CL and CM were not redrawn in this step.</translation>
    </message>
    <message>
        <source>Bu hücum açısında basınç dağılımı hesaplanamadı: yüzeydeki hızlardan biri hesaplanamayacak kadar büyük. Basınç grafiği, CL ve CM önceki değerlerinde kalıyor.</source>
        <translation>The pressure distribution could not be computed at this angle of attack: one of the surface speeds is too large to compute. The pressure chart, CL and CM keep their previous values.</translation>
    </message>
    <message>
        <source>Basınç grafiği çizilirken geçersiz bir sayı çıktı ve çizim yarıda kaldı. CL ve CM bu adımda yenilenmedi.</source>
        <translation>An invalid number came up while drawing the pressure chart, and the drawing was left unfinished. CL and CM were not redrawn in this step.</translation>
    </message>
    <message>
        <source>CL grafiği hesaplanırken geçersiz bir sayı çıktı ve grafik yarıda kaldı. Profil ve basınç grafiği geçerli; CM bu adımda yenilenmedi.</source>
        <translation>An invalid number came up while computing the CL chart, and the chart was left unfinished. The section and the pressure chart are valid; CM was not redrawn in this step.</translation>
    </message>
    <message>
        <source>CM grafiği hesaplanırken geçersiz bir sayı çıktı ve grafik yarıda kaldı. Profil, basınç grafiği ve CL geçerli.</source>
        <translation>An invalid number came up while computing the CM chart, and the chart was left unfinished. The section, the pressure chart and CL are valid.</translation>
    </message>
    <message>
        <source>%1 dosyası okunamadı: %2. Dosyanın başındaki %3 profil kullanılabilir.</source>
        <translation>The file %1 could not be read: %2. Sections still usable from the start of the file: %3.</translation>
    </message>
    <message>
        <source>%1 dosyası okunamadı: %2. Katalogda kullanılabilir profil yok.</source>
        <translation>The file %1 could not be read: %2. The catalogue holds no usable section.</translation>
    </message>
    <message>
        <source>dosyada başlıktan sonra profil sayısı yok</source>
        <translation>the file has no section count after its label</translation>
    </message>
    <message>
        <source>dosya %1 profil bildiriyor, ama katalog en çok 500 profil alabilir; 501. profil ve sonrası okunmadı</source>
        <translation>the section count in the file is %1, but the catalogue holds at most 500 sections; section 501 and those after it were not read</translation>
    </message>
    <message>
        <source>dosya %1 profil bildiriyor, ama yalnızca %2 profil içeriyor</source>
        <translation>the section count in the file is %1, but the file holds only %2 of them</translation>
    </message>
    <message>
        <source>dosya %1. satırda, beş değerin %2 okunmuşken bitiyor</source>
        <translation>the file ends on line %1 with %2 of the row&apos;s five values read</translation>
    </message>
    <message>
        <source>hiçbiri</source>
        <translation>none</translation>
    </message>
    <message>
        <source>yalnızca biri</source>
        <translation>only one</translation>
    </message>
    <message>
        <source>yalnızca ikisi</source>
        <translation>only two</translation>
    </message>
    <message>
        <source>yalnızca üçü</source>
        <translation>only three</translation>
    </message>
    <message>
        <source>yalnızca dördü</source>
        <translation>only four</translation>
    </message>
    <message>
        <source>%1. satırda beşten fazla değer var</source>
        <translation>line %1 holds more than five values</translation>
    </message>
    <message>
        <source>%1. satırda beş yerine %2 değer var</source>
        <translation>line %1 holds %2 instead of five</translation>
    </message>
    <message>
        <source>sıfır</source>
        <translation>no values</translation>
    </message>
    <message>
        <source>bir</source>
        <translation>one value</translation>
    </message>
    <message>
        <source>iki</source>
        <translation>two values</translation>
    </message>
    <message>
        <source>üç</source>
        <translation>three values</translation>
    </message>
    <message>
        <source>dört</source>
        <translation>four values</translation>
    </message>
    <message>
        <source>%1. satırdaki %2 %3 karakterden uzun</source>
        <translation>the %2 on line %1 is longer than %3 characters</translation>
    </message>
    <message>
        <source>%1. satırdaki %2 bir sayı değil</source>
        <translation>the %2 on line %1 is not a number</translation>
    </message>
    <message>
        <source>%1. satırdaki %2 çok büyük</source>
        <translation>the %2 on line %1 is too large</translation>
    </message>
    <message>
        <source>kalınlık oranı</source>
        <translation>thickness ratio</translation>
    </message>
    <message>
        <source>kamburluk oranı</source>
        <translation>camber ratio</translation>
    </message>
    <message>
        <source>Eps değeri</source>
        <translation>Eps value</translation>
    </message>
    <message>
        <source>Delta değeri</source>
        <translation>Delta value</translation>
    </message>
    <message>
        <source>beşinci değer</source>
        <translation>fifth value</translation>
    </message>
    <message>
        <source>profil sayısı</source>
        <translation>section count</translation>
    </message>
    <message>
        <source>dosyanın bilgilerine ulaşılamadı</source>
        <translation>the file&apos;s details could not be looked up</translation>
    </message>
    <message>
        <source>bu ad sıradan bir dosyanın adı değil</source>
        <translation>this name is not that of a plain file</translation>
    </message>
    <message>
        <source>dosyayı okuma izni yok</source>
        <translation>there is no permission to read the file</translation>
    </message>
    <message>
        <source>dosya açılamadı</source>
        <translation>the file could not be opened</translation>
    </message>
    <message>
        <source>%1. satır okunurken bir okuma hatası oldu</source>
        <translation>a read error occurred while reading line %1</translation>
    </message>
    <message>
        <source>dosya boş</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>1. satırdaki başlık %1 karakterden uzun</source>
        <translation>the label on line 1 is longer than %1 characters</translation>
    </message>
    <message>
        <source>%1. satırdan itibaren çok fazla boşluk ya da boş satır var</source>
        <translation>there are too many blanks or empty lines from line %1 on</translation>
    </message>
    <message>
        <source>okumak için bellek yetmedi</source>
        <translation>there was not enough memory to read it</translation>
    </message>
    <message>
        <source>beklenmeyen bir hata oldu</source>
        <translation>an unexpected error occurred</translation>
    </message>
    <message>
        <source>Katalogdaki %1. profilin (kalınlık %2, kamburluk %3) çemberi, Eps = %4 ve Delta = %5 ile bir profil vermiyor. Ekrandaki önceki profil ve sonuçları geçerli kalıyor.</source>
        <translation>The circle of catalogue section %1 (thickness %2, camber %3), with Eps = %4 and Delta = %5, gives no section. The previous section and its results on the screen remain valid.</translation>
    </message>
    <message>
        <source>%1 dosyası bulunamadı</source>
        <translation>The file %1 was not found</translation>
    </message>
    <message>
        <source>bu ad var olmayan bir dosyayı gösteren bir bağlantı</source>
        <translation>this name is a link to a file that does not exist</translation>
    </message>
    <message>
        <source>bu ad kendi üzerine dönen bir bağlantı zinciri</source>
        <translation>this name is a chain of links that loops back on itself</translation>
    </message>
    <message>
        <source>bu ad bir klasörün adı</source>
        <translation>this name is that of a folder</translation>
    </message>
    <message>
        <source>bu ad bir borunun (FIFO) adı</source>
        <translation>this name is that of a pipe (FIFO)</translation>
    </message>
    <message>
        <source>bu ad bir aygıtın adı</source>
        <translation>this name is that of a device</translation>
    </message>
    <message>
        <source>Çalışma klasöründeki KATPE-D20G15.txt okunmadı: %1. Onun yerine %2 okundu.</source>
        <translation>KATPE-D20G15.txt in the working folder was not read: %1. %2 was read instead.</translation>
    </message>
    <message>
        <source>dosya UTF-16 ile kaydedilmiş; katalog UTF-8 ya da ASCII metni olmalı</source>
        <translation>the file is saved as UTF-16; the catalogue must be UTF-8 or ASCII text</translation>
    </message>
    <message>
        <source>1. satırda sıfır baytı var: dosya UTF-16 ile kaydedilmiş olabilir; katalog UTF-8 ya da ASCII metni olmalı</source>
        <translation>line 1 holds a zero byte: the file may be saved as UTF-16; the catalogue must be UTF-8 or ASCII text</translation>
    </message>
    <message>
        <source>%1. satırdaki profil sayısı boş</source>
        <translation>the section count on line %1 is empty</translation>
    </message>
    <message>
        <source>%1. satırdaki profil sayısı %2; 1 ile 500 arasında bir tam sayı olmalı</source>
        <translation>the section count on line %1 is %2; it must be a whole number from 1 to 500</translation>
    </message>
    <message>
        <source>dosyanın başlık satırı yok: 1. satırda başlık yerine profil sayısı var</source>
        <translation>the file has no label line: line 1 holds the section count instead of a label</translation>
    </message>
    <message>
        <source>%1. satırda profil sayısından sonra başka değer var</source>
        <translation>line %1 holds another value after the section count</translation>
    </message>
    <message>
        <source>%1 (1. satırda başlıktan sonra başka değer de var; başlıkta virgül varsa başlık tırnak içinde yazılmalı)</source>
        <translation>%1 (line 1 holds other values after the label; a label with commas must be written in double quotes)</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Dışa aktarma</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Resmi kopyala</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Resmi PNG olarak kaydet (%1x)...</source>
        <translation>Save picture as PNG (%1x)...</translation>
    </message>
    <message>
        <source>Resmi SVG olarak kaydet...</source>
        <translation>Save picture as SVG...</translation>
    </message>
    <message>
        <source>Resmi PDF olarak kaydet...</source>
        <translation>Save picture as PDF...</translation>
    </message>
    <message>
        <source>Verileri CSV olarak kaydet...</source>
        <translation>Save data as CSV...</translation>
    </message>
    <message>
        <source>%1 yazılamadı: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>PNG resimleri (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>SVG çizimleri (*.svg)</source>
        <translation>SVG drawings (*.svg)</translation>
    </message>
    <message>
        <source>PDF belgeleri (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Resmi kaydet</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Verileri kaydet</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>CSV tabloları (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Ders notunu kaydet</source>
        <translation>Save handout</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Düz levha, 5°</source>
        <translation>Flat plate, 5°</translation>
    </message>
    <message>
        <source>Simetrik %12, 6°</source>
        <translation>Symmetric 12 %, 6°</translation>
    </message>
    <message>
        <source>%12 kalınlık, %4 kamburluk, 6°</source>
        <translation>12 % thickness, 4 % camber, 6°</translation>
    </message>
    <message>
        <source>Dairesel yay, %6 kamburluk, 4°</source>
        <translation>Circular arc, 6 % camber, 4°</translation>
    </message>
    <message>
        <source>%30 kalınlık, %15 kamburluk, 10°</source>
        <translation>30 % thickness, 15 % camber, 10°</translation>
    </message>
    <message>
        <source>%12 kalınlık, %4 kamburluk, 2°, Moo 0.6</source>
        <translation>12 % thickness, 4 % camber, 2°, Moo 0.6</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>CL</source>
        <translation>CL</translation>
    </message>
    <message>
        <source>CL = 8π (R/c) sin(α + βTE); ince kanat: 2π (α − αL0)</source>
        <translation>CL = 8π (R/c) sin(α + βTE); thin airfoil: 2π (α − αL0)</translation>
    </message>
    <message>
        <source>CM (xM çevresinde)</source>
        <translation>CM (about xM)</translation>
    </message>
    <message>
        <source>CM = 4π/c² sin 2α + CL (ε cos α − δ sin α)/c + CL (xM + xShift) cos α</source>
        <translation>CM = 4π/c² sin 2α + CL (ε cos α − δ sin α)/c + CL (xM + xShift) cos α</translation>
    </message>
    <message>
        <source>CL, düzeltilmiş</source>
        <translation>CL, corrected</translation>
    </message>
    <message>
        <source>Prandtl-Glauert: CL / √(1 − Moo²), çizilen Moo ile</source>
        <translation>Prandtl-Glauert: CL / √(1 − Moo²), with the Moo drawn</translation>
    </message>
    <message>
        <source>CM, düzeltilmiş</source>
        <translation>CM, corrected</translation>
    </message>
    <message>
        <source>Prandtl-Glauert: CM / √(1 − Moo²), çizilen Moo ile</source>
        <translation>Prandtl-Glauert: CM / √(1 − Moo²), with the Moo drawn</translation>
    </message>
    <message>
        <source>Sıfır taşıma açısı αL0</source>
        <translation>Zero-lift angle αL0</translation>
    </message>
    <message>
        <source>αL0 = −βTE = −atan(δ / (1 + ε)); ince kanat: −2 f/c</source>
        <translation>αL0 = −βTE = −atan(δ / (1 + ε)); thin airfoil: −2 f/c</translation>
    </message>
    <message>
        <source>dCL/dα (αL0&apos;da)</source>
        <translation>dCL/dα (at αL0)</translation>
    </message>
    <message>
        <source>dCL/dα = 8π R/c (1/rad) = 8π R/c · π/180 (1/°); ince kanat: 2π</source>
        <translation>dCL/dα = 8π R/c (1/rad) = 8π R/c · π/180 (1/°); thin airfoil: 2π</translation>
    </message>
    <message>
        <source>Aerodinamik merkez x_ac/c</source>
        <translation>Aerodynamic centre x_ac/c</translation>
    </message>
    <message>
        <source>Bu α&apos;da dCM/dα = 0 olan nokta; ince kanat: c/4</source>
        <translation>The point about which dCM/dα = 0 at this α; thin airfoil: c/4</translation>
    </message>
    <message>
        <source>CM (x_ac çevresinde)</source>
        <translation>CM (about x_ac)</translation>
    </message>
    <message>
        <source>CM, x_ac çevresinde, bu α&apos;da; ince kanat: c/4 çevresinde −π f/c</source>
        <translation>CM about x_ac at this α; thin airfoil: −π f/c about c/4</translation>
    </message>
    <message>
        <source>Cp_min</source>
        <translation>Cp_min</translation>
    </message>
    <message>
        <source>Tam yüzeyde en düşük Cp = 1 − V², dairedeki açı üzerinde en küçüklenir (nP&apos;den bağımsız)</source>
        <translation>Lowest Cp = 1 − V² on the exact surface, minimised over the angle on the circle (independent of nP)</translation>
    </message>
    <message>
        <source>Cp_min&apos;in x/c&apos;si</source>
        <translation>x/c of Cp_min</translation>
    </message>
    <message>
        <source>Tam yüzeyde en düşük basıncın yeri</source>
        <translation>Where the exact surface has its lowest pressure</translation>
    </message>
    <message>
        <source>Kritik Mach sayısı Mkritik</source>
        <translation>Critical Mach number Mcrit</translation>
    </message>
    <message>
        <source>Cp_min / √(1 − M²) = Cp*(M), Cp* = 2/(γM²)·[((2 + (γ−1)M²)/(γ+1))^(γ/(γ−1)) − 1], γ = 1.4</source>
        <translation>Cp_min / √(1 − M²) = Cp*(M), Cp* = 2/(γM²)·[((2 + (γ−1)M²)/(γ+1))^(γ/(γ−1)) − 1], γ = 1.4</translation>
    </message>
    <message>
        <source>Ses hızı Cp* (çizilen Moo)</source>
        <translation>Sonic Cp* (Moo drawn)</translation>
    </message>
    <message>
        <source>Cp* = 2/(γM²)·[((2 + (γ−1)M²)/(γ+1))^(γ/(γ−1)) − 1], γ = 1.4</source>
        <translation>Cp* = 2/(γM²)·[((2 + (γ−1)M²)/(γ+1))^(γ/(γ−1)) − 1], γ = 1.4</translation>
    </message>
    <message>
        <source>henüz kesit çizilmedi</source>
        <translation>no section drawn yet</translation>
    </message>
    <message>
        <source>sayı değil: kalınlığı sıfır olan kesitin sivri hücum kenarında hız sonsuz büyür (yalnızca 0° hücum açısında sonludur)</source>
        <translation>not a number: at the sharp leading edge of a zero-thickness section the speed grows without bound (it is finite only at 0° incidence)</translation>
    </message>
    <message>
        <source>yok: yüzeyin hiçbir yerinde akış serbest akımdan hızlı değil</source>
        <translation>none: nowhere on the surface is the flow faster than the free stream</translation>
    </message>
    <message>
        <source>yok: 0°&apos;deki düz levhada her yerde Cp = 0</source>
        <translation>none: on the flat plate at 0° Cp = 0 everywhere</translation>
    </message>
    <message>
        <source>yok: bu açıda dCM/dα her noktada aynı</source>
        <translation>none: at this angle dCM/dα is the same about every point</translation>
    </message>
    <message>
        <source>kesikli</source>
        <translation>dashed</translation>
    </message>
    <message>
        <source>noktalı</source>
        <translation>dotted</translation>
    </message>
    <message>
        <source>çizgi-nokta</source>
        <translation>dash-dot</translation>
    </message>
    <message>
        <source>çizgi-nokta-nokta</source>
        <translation>dash-dot-dot</translation>
    </message>
    <message>
        <source>Sivri hücum kenarında akış yerel olarak ses üstü: Prandtl-Glauert düzeltmesi burada geçerli değil.</source>
        <translation>The flow is locally supersonic at the sharp leading edge: the Prandtl-Glauert correction does not hold here.</translation>
    </message>
    <message>
        <source>|Moo| = %1 ≥ Mkritik = %2: akış yüzeyde yerel olarak ses üstü, Prandtl-Glauert düzeltmesi artık geçerli değil.</source>
        <translation>|Moo| = %1 ≥ Mcrit = %2: the flow is locally supersonic on the surface, the Prandtl-Glauert correction no longer holds.</translation>
    </message>
    <message>
        <source>Yerel ses üstü akış: düzeltme geçersiz</source>
        <translation>Locally supersonic: correction invalid</translation>
    </message>
    <message>
        <source>Moo ≥ Mkr %1: yerel ses üstü, düzeltme geçersiz</source>
        <translation>Moo ≥ Mcrit %1: locally supersonic, correction invalid</translation>
    </message>
    <message>
        <source>%1: t/c %2, f/c %3, α %4°, Moo %5</source>
        <translation>%1: t/c %2, f/c %3, α %4°, Moo %5</translation>
    </message>
    <message>
        <source>Referanslar (kesikli çizgiler):</source>
        <translation>References (dashed lines):</translation>
    </message>
    <message>
        <source>CL = %1, CM (xM) = %2</source>
        <translation>CL = %1, CM (xM) = %2</translation>
    </message>
    <message>
        <source>düzeltilmiş CL = %1 (Moo %2)</source>
        <translation>corrected CL = %1 (Moo %2)</translation>
    </message>
    <message>
        <source>düzeltilmiş CM = %1 (Moo %2)</source>
        <translation>corrected CM = %1 (Moo %2)</translation>
    </message>
    <message>
        <source>αL0 = %1° (ince kanat %2°)</source>
        <translation>αL0 = %1° (thin airfoil %2°)</translation>
    </message>
    <message>
        <source>dCL/dα = %1 /rad (ince kanat 2π = %2)</source>
        <translation>dCL/dα = %1 /rad (thin airfoil 2π = %2)</translation>
    </message>
    <message>
        <source>x_ac/c = %1 (ince kanat 0.25)</source>
        <translation>x_ac/c = %1 (thin airfoil 0.25)</translation>
    </message>
    <message>
        <source>CM_ac = %1 (ince kanat %2)</source>
        <translation>CM_ac = %1 (thin airfoil %2)</translation>
    </message>
    <message>
        <source>Cp_min = %1 (x/c = %2)</source>
        <translation>Cp_min = %1 (x/c = %2)</translation>
    </message>
    <message>
        <source>Mkritik = %1</source>
        <translation>Mcrit = %1</translation>
    </message>
    <message>
        <source>Hazır durumlar</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Referansı kaldır</source>
        <translation>Remove a reference</translation>
    </message>
    <message>
        <source>Referans yok</source>
        <translation>No references</translation>
    </message>
    <message>
        <source>%1, %2 = %3 … %4 boyunca %5 … %6; bu kesitte %2 = %7, %1 = %8.</source>
        <translation>%1 runs from %5 to %6 over %2 = %3 … %4; at this section %2 = %7, %1 = %8.</translation>
    </message>
    <message>
        <source>Okumalar</source>
        <translation>Readouts</translation>
    </message>
    <message>
        <source>&lt;b&gt;Büyüklük&lt;/b&gt;</source>
        <translation>&lt;b&gt;Quantity&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bu kesit&lt;/b&gt;</source>
        <translation>&lt;b&gt;This section&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;İnce kanat kuramı&lt;/b&gt;</source>
        <translation>&lt;b&gt;Thin-airfoil theory&lt;/b&gt;</translation>
    </message>
    <message>
        <source>CL − kamburluk f/c</source>
        <translation>CL − camber f/c</translation>
    </message>
    <message>
        <source>CM (xM) − kamburluk f/c</source>
        <translation>CM (xM) − camber f/c</translation>
    </message>
    <message>
        <source>CL − kalınlık t/c</source>
        <translation>CL − thickness t/c</translation>
    </message>
    <message>
        <source>CM (xM) − kalınlık t/c</source>
        <translation>CM (xM) − thickness t/c</translation>
    </message>
    <message>
        <source>düzeltme çizilmedi</source>
        <translation>no correction drawn</translation>
    </message>
    <message>
        <source>c/4 çevresinde %1</source>
        <translation>%1 about c/4</translation>
    </message>
    <message>
        <source>%1 (Moo %2)</source>
        <translation>%1 (Moo %2)</translation>
    </message>
    <message>
        <source>%1 /rad = %2 /°</source>
        <translation>%1 /rad = %2 /°</translation>
    </message>
    <message>
        <source>%1 /rad</source>
        <translation>%1 /rad</translation>
    </message>
    <message>
        <source>Referans yok (Ctrl+K sabitler).</source>
        <translation>No references (Ctrl+K pins one).</translation>
    </message>
    <message>
        <source>Referanslar:
</source>
        <translation>References:
</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>düzenli bir dosya değil</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>ayarlar dosyası olamayacak kadar büyük</source>
        <translation>it is too large to be a settings file</translation>
    </message>
    <message>
        <source>kilit dosyası %1 açılamadı (%2)</source>
        <translation>the lock file %1 could not be opened (%2)</translation>
    </message>
    <message>
        <source>kilit dosyası %1 düzenli bir dosya değil</source>
        <translation>the lock file %1 is not a regular file</translation>
    </message>
    <message>
        <source>kilit dosyası %1 kilitlenemedi (%2)</source>
        <translation>the lock file %1 could not be locked (%2)</translation>
    </message>
    <message>
        <source>kilit dosyası %1 başka bir program tarafından tutuluyor</source>
        <translation>the lock file %1 is held by another program</translation>
    </message>
    <message>
        <source>%1 klasörü oluşturulamadı</source>
        <translation>the folder %1 could not be created</translation>
    </message>
    <message>
        <source>%1 düzenli bir dosya değil (bir bağlantı, klasör, aygıt ya da FIFO); dokunulmadı</source>
        <translation>%1 is not a regular file (a link, folder, device or FIFO) and was left alone</translation>
    </message>
    <message>
        <source>%1 başka bir kullanıcıya ait; dokunulmadı</source>
        <translation>%1 belongs to another user and was left alone</translation>
    </message>
    <message>
        <source>%1 okunamadı (%2)</source>
        <translation>%1 could not be read (%2)</translation>
    </message>
    <message>
        <source>%1 yazılamadı (%2)</source>
        <translation>%1 could not be written (%2)</translation>
    </message>
    <message>
        <source>ayarlar dosyası %1 okunmadı: %2</source>
        <translation>the settings file %1 was not read: %2</translation>
    </message>
    <message>
        <source>Seçim hatırlanamadı: %1. Yalnızca bu oturumda geçerli.</source>
        <translation>The choice could not be remembered: %1. It holds for this session only.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Katalog aç...</source>
        <translation>Open catalogue...</translation>
    </message>
</context>
</TS>
